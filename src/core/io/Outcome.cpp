// The outcome of a routine that can fail to read or write.
#include "io/Outcome.h"

namespace merrowin {

std::string FailureText(const Failure& failure) {
    switch (failure.What) {
    case Failure::Kind::Read:
        return "Could not read " + failure.Name;
    case Failure::Kind::Save:
        return "Could not save " + failure.Name;
    case Failure::Kind::Write:
        break;
    }
    return "Could not write " + failure.Name;
}

} // namespace merrowin

// The outcome of a routine that can fail to read or write: success, or a failure that names the
// file and what went wrong. Callers decide by the outcome, never by the status text built from it.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace merrowin {

struct Failure {
    enum class Kind {
        Read,  // a file that exists could not be read
        Write, // a file could not be written
        Save,  // a hull file could not be saved
    };
    Kind What = Kind::Write;
    std::string Name; // the file as the user knows it
};

// "Could not read NAME", "Could not write NAME" or "Could not save NAME".
std::string FailureText(const Failure& failure);

// Discarding an outcome is a compile warning (the build is warning-free), so no failure goes
// unnoticed; there is no conversion to bool, so success and failure cannot be mistaken.
class [[nodiscard]] Outcome {
public:
    Outcome() = default; // success
    Outcome(Failure failure) : failure_(std::move(failure)) {}
    static Outcome Failed(Failure::Kind what, std::string name) {
        return Outcome(Failure{what, std::move(name)});
    }

    bool Ok() const { return !failure_.has_value(); }
    bool HasFailed() const { return failure_.has_value(); }
    // The failure; only meaningful when HasFailed().
    const Failure& Error() const { return *failure_; }
    // The status text of the failure, empty on success.
    std::string Text() const { return failure_ ? FailureText(*failure_) : std::string(); }
    // Keeps the first failure of a run: this one if it has failed, else `next`.
    Outcome& Keep(const Outcome& next) {
        if (!failure_ && next.failure_) {
            failure_ = next.failure_;
        }
        return *this;
    }

private:
    std::optional<Failure> failure_;
};

} // namespace merrowin

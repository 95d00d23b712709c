// PDF output of a command line built without Qt: there is none.
#include "PdfOutput.h"

namespace merrowin::cli {

bool PdfSupported() {
    return false;
}

Outcome WriteNestPdfFile(const std::filesystem::path& file, const std::vector<NestPage>&) {
    return Outcome::Failed(Failure::Kind::Write, file.string());
}

Outcome WriteFullSizePdfFile(const std::filesystem::path& file, const TileDocument&) {
    return Outcome::Failed(Failure::Kind::Write, file.string());
}

} // namespace merrowin::cli

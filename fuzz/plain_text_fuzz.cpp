#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "preview/plain_text.h"

// The reader takes any bytes: its result is never longer than the text it
// read, holds no zero byte, leaves the argument alone and depends on nothing
// but the argument.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string sample(reinterpret_cast<const char*>(data), size);
    const std::string copy = sample;
    const std::string first = typovel::ExtractPlainText(sample);
    const std::string second = typovel::ExtractPlainText(sample);
    if (first.size() > sample.size()) std::abort();
    if (first.find('\0') != std::string::npos) std::abort();
    if (sample != copy) std::abort();
    if (first != second) std::abort();
    return 0;
}

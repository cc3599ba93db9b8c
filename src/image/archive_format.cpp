// Comparing archive entry names.
#include "image/archive_format.h"

#include "platform/cp949.h"

namespace morv::archive_format {

bool namesMatch(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    // CP949 trail bytes never take the values of "/" or "\", so folding them is safe.
    for (size_t i = 0; i < a.size(); ++i) {
        const bool separators = (a[i] == '/' || a[i] == '\\') && (b[i] == '/' || b[i] == '\\');
        if (separators) continue;
        const size_t step = static_cast<size_t>(cp949::charLength(static_cast<unsigned char>(a[i])));
        if (!cp949::equalsIgnoreCase(a.substr(i, step), b.substr(i, step))) return false;
        i += step - 1;
    }
    return true;
}

}  // namespace morv::archive_format

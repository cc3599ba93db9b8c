// Writing findings as text lines or JSON.
#include "check/finding.h"

#include <cstdio>

namespace morv::tools {
namespace {

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

}  // namespace

std::string formatText(const std::vector<Finding>& findings) {
    std::string out;
    for (const Finding& finding : findings) {
        out += finding.file;
        if (finding.line > 0) out.append(":").append(std::to_string(finding.line));
        out += ": " + finding.kind + ": " + finding.message + "\n";
    }
    return out;
}

std::string formatJson(const std::vector<Finding>& findings) {
    std::string out = "{\"findings\": [";
    for (size_t i = 0; i < findings.size(); ++i) {
        const Finding& finding = findings[i];
        out += i ? ",\n  " : "\n  ";
        out += "{\"file\": " + jsonString(finding.file) + ", \"line\": " + std::to_string(finding.line) +
               ", \"kind\": " + jsonString(finding.kind) + ", \"message\": " + jsonString(finding.message) + "}";
    }
    out += findings.empty() ? "]}\n" : "\n]}\n";
    return out;
}

}  // namespace morv::tools

#include "MeshText.h"

#include <cstring>

#include "TWMUtil.h"
#include "Utf8Text.h"

std::string MeshText::CutUtf8(const std::string& text, size_t maxBytes) {
    return Utf8Text::Truncate(text, maxBytes);
}

std::string MeshText::Field(const char* field, size_t size) {
    if (field == nullptr)
        return std::string();
    return std::string(field, strnlen(field, size));
}

wxString MeshText::DecodeOrEmpty(const std::string& bytes) {
    if (!TWMUtil::IsValidUtf8(bytes))
        return wxString();
    return TWMUtil::StdStringToWxString(bytes);
}

void MeshText::FillField(char* field, size_t size, const std::string& text) {
    if (field == nullptr || size == 0)
        return;
    std::memset(field, 0, size);
    const std::string cut = CutUtf8(text, size - 1);
    std::memcpy(field, cut.data(), cut.size());
}

bool MeshText::IsPlainText(const char* bytes, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x20 || c == 0x7F)
            return false;
        // U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F in UTF-8.
        if (c == 0xC2 && i + 1 < size && static_cast<unsigned char>(bytes[i + 1]) <= 0x9F)
            return false;
    }
    return TWMUtil::IsValidUtf8(std::string(bytes, size));
}

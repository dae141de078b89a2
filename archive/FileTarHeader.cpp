#include "FileTarHeader.h"

#include "FileTarBytes.h"

FileTarHeader::FileTarHeader() : m_count(0) {
    for (uint32_t& c : m_name)
        c = 0xFFFFFFFFu;
}

bool FileTarHeader::SetName(const wxString& name) {
    if (name.length() > static_cast<size_t>(kNameChars - 1))
        return false;
    int i = 0;
    for (wxString::const_iterator it = name.begin(); it != name.end(); ++it)
        m_name[i++] = static_cast<uint32_t>((*it).GetValue());
    m_name[i] = 0;
    return true;
}

wxString FileTarHeader::GetName() const {
    wxString out;
    for (int i = 0; i < kNameChars && m_name[i] != 0 && m_name[i] != 0xFFFFFFFFu; ++i)
        out += wxUniChar(m_name[i]);
    return out;
}

int32_t FileTarHeader::IncCount() {
    if (m_count >= kMaxCount)
        return 0;
    return ++m_count;
}

void FileTarHeader::Serialize(unsigned char out[kBytes]) const {
    for (int i = 0; i < kNameChars; ++i)
        FileTarBytes::PutU32(out + 4 * i, m_name[i]);
    FileTarBytes::PutU32(out + 4 * kNameChars, static_cast<uint32_t>(m_count));
}

void FileTarHeader::Deserialize(const unsigned char in[kBytes]) {
    for (int i = 0; i < kNameChars; ++i)
        m_name[i] = FileTarBytes::GetU32(in + 4 * i);
    m_count = static_cast<int32_t>(FileTarBytes::GetU32(in + 4 * kNameChars));
}

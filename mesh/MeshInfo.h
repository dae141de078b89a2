#ifndef TIDEWAVE_MESHINFO_H
#define TIDEWAVE_MESHINFO_H

#include <wx/string.h>

// Four texts describing a mesh peer, kept with the mesh model for callers
// that want a plain record.
class MeshInfo {
public:
    MeshInfo() = default;
    MeshInfo(const wxString& first, const wxString& second, const wxString& third, const wxString& fourth)
        : m_strFirst(first), m_strSecond(second), m_strThird(third), m_strFourth(fourth) {}

    wxString GetFirst() const { return m_strFirst; }
    void SetFirst(const wxString& text) { m_strFirst = text; }
    wxString GetSecond() const { return m_strSecond; }
    void SetSecond(const wxString& text) { m_strSecond = text; }
    wxString GetThird() const { return m_strThird; }
    void SetThird(const wxString& text) { m_strThird = text; }
    wxString GetFourth() const { return m_strFourth; }
    void SetFourth(const wxString& text) { m_strFourth = text; }

private:
    wxString m_strFirst;
    wxString m_strSecond;
    wxString m_strThird;
    wxString m_strFourth;
};

#endif

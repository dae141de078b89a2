#ifndef TIDEWAVE_MESHCONFIGURATIONENTITY_H
#define TIDEWAVE_MESHCONFIGURATIONENTITY_H

#include <wx/string.h>

// This host's mesh settings as kept in the mesh configuration file: host
// name, channel and advertise time.  Values are stored without checks.
class MeshConfigurationEntity {
public:
    MeshConfigurationEntity();

    wxString GetHostName() const { return m_strHostName; }
    void SetHostName(const wxString& name) { m_strHostName = name; }
    int GetChannel() const { return m_nChannel; }
    void SetChannel(int channel) { m_nChannel = channel; }
    int GetAdvertiseTime() const { return m_nAdvertiseTime; }
    void SetAdvertiseTime(int seconds) { m_nAdvertiseTime = seconds; }

private:
    wxString m_strHostName;
    int m_nChannel;
    int m_nAdvertiseTime;
};

#endif

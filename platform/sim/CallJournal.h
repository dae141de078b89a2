#ifndef TIDEWAVE_SIM_CALLJOURNAL_H
#define TIDEWAVE_SIM_CALLJOURNAL_H

#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// What the library was asked, one line per call ("RVL_UpAdapter(2)"), and
// the failures and raw records a test has set up for the next call of a
// function.  The log
// keeps the latest 4096 lines so that a long run does not grow without end.
class CallJournal {
public:
    static CallJournal& Instance();

    void Record(const std::string& line);
    std::vector<std::string> Lines() const;
    void Clear();        // lines and failures
    void ClearLines();

    void FailNext(const std::string& function, int result);
    // The failure set up for this function, consumed by the call.
    std::optional<int> TakeFailure(const std::string& function);

    // Bytes the next call of this function copies into its record as they
    // are (cleared with the failures).
    void RawNext(const std::string& function, const std::string& bytes);
    std::optional<std::string> TakeRaw(const std::string& function);

private:
    mutable std::mutex m_mutex;
    std::deque<std::string> m_lines;
    std::map<std::string, int> m_failures;
    std::map<std::string, std::string> m_raw;
};

#endif

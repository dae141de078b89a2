#include "sim/CallJournal.h"

namespace {
const size_t kMaxLines = 4096;
}

CallJournal& CallJournal::Instance() {
    // Never destroyed: the library's own thread may still log during exit.
    static CallJournal* journal = new CallJournal;
    return *journal;
}

void CallJournal::Record(const std::string& line) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_lines.size() >= kMaxLines)
        m_lines.pop_front();
    m_lines.push_back(line);
}

std::vector<std::string> CallJournal::Lines() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::vector<std::string>(m_lines.begin(), m_lines.end());
}

void CallJournal::Clear() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.clear();
    m_failures.clear();
    m_raw.clear();
}

void CallJournal::ClearLines() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.clear();
}

void CallJournal::FailNext(const std::string& function, int result) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failures[function] = result;
}

std::optional<int> CallJournal::TakeFailure(const std::string& function) {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_failures.find(function);
    if (it == m_failures.end())
        return std::nullopt;
    int result = it->second;
    m_failures.erase(it);
    return result;
}

void CallJournal::RawNext(const std::string& function, const std::string& bytes) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_raw[function] = bytes;
}

std::optional<std::string> CallJournal::TakeRaw(const std::string& function) {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_raw.find(function);
    if (it == m_raw.end())
        return std::nullopt;
    std::string bytes = std::move(it->second);
    m_raw.erase(it);
    return bytes;
}

#include "ModalDialogAnswerer.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>

ModalDialogAnswerer& ModalDialogAnswerer::Get() {
    static ModalDialogAnswerer* instance = [] {
        auto* hook = new ModalDialogAnswerer;
        hook->Register();
        return hook;
    }();
    return *instance;
}

void ModalDialogAnswerer::Expect(const wxString& text, int answer) {
    m_expected.push_back({text, answer, nullptr});
}

void ModalDialogAnswerer::ExpectAny(std::function<int(wxDialog*)> inspect) {
    m_expected.push_back({wxString(), wxID_NONE, std::move(inspect)});
}

void ModalDialogAnswerer::Reset() {
    for (const Expectation& e : m_expected)
        ADD_FAILURE() << "expected modal dialog never shown: \"" << e.text.utf8_str() << "\"";
    m_expected.clear();
    m_seen.clear();
}

void ModalDialogAnswerer::Clear() {
    m_expected.clear();
    m_seen.clear();
}

wxString ModalDialogAnswerer::Describe(wxDialog* dialog) {
    wxString text = dialog->GetTitle();
    if (auto* box = dynamic_cast<wxMessageDialogBase*>(dialog)) {
        text += "\n" + box->GetMessage();
        if (!box->GetExtendedMessage().empty())
            text += "\n" + box->GetExtendedMessage();
    }
    return text;
}

int ModalDialogAnswerer::Enter(wxDialog* dialog) {
    const wxString description = Describe(dialog);
    m_seen.push_back(description);
    if (m_expected.empty()) {
        ADD_FAILURE() << "unexpected modal dialog: \"" << description.utf8_str() << "\"";
        return wxID_CANCEL;
    }
    Expectation e = m_expected.front();
    if (e.inspect) {
        m_expected.pop_front();
        return e.inspect(dialog);
    }
    if (!description.Contains(e.text)) {
        ADD_FAILURE() << "modal dialog \"" << description.utf8_str() << "\" shown where \""
                      << e.text.utf8_str() << "\" was expected";
        return wxID_CANCEL;
    }
    m_expected.pop_front();
    return e.answer;
}

void ModalDialogAnswerer::Exit(wxDialog*) {}

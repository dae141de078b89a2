#include "ScanEvent.h"

wxDEFINE_EVENT(wxEVT_TW_SCAN, ScanEvent);

ScanEvent::ScanEvent(int id) : wxEvent(id, wxEVT_TW_SCAN) {}

#ifndef TIDEWAVE_PROFILEMANAGERVIEW_H
#define TIDEWAVE_PROFILEMANAGERVIEW_H

// The part of the profile manager window other objects call.
class ProfileManagerView {
public:
    virtual ~ProfileManagerView() = default;
    // Reloads its list from the store (after a settings import).
    virtual void RefreshProfile() = 0;
};

#endif

#ifndef TIDEWAVE_MESHSTATEMACHINE_H
#define TIDEWAVE_MESHSTATEMACHINE_H

#include <functional>

#include <wx/string.h>

class MeshInfoManager;
class MeshServerEntity;
class MeshServerObserver;

// The mesh commands of the tray menu and the joins and shares the mesh
// dialogs confirm: it calls the platform's mesh functions, keeps the
// application's mesh state (1 off, 2 on, 3 sharing this machine's internet,
// 4 using another's), the mesh model's flags and the DNS-SD requests.  What
// it needs of the application comes through hooks; it opens no window.
//
// A platform call that fails is told to the user and changes nothing, except
// when turning mesh off, which always goes ahead.  This machine is taken for
// a mesh server (state 3, its record announced) only while the platform
// gives it an IPv4 address to announce.
class MeshStateMachine {
public:
    struct Hooks {
        std::function<int()> getStatus;
        std::function<void(int)> setStatus;
        std::function<void()> requestPublish;
        std::function<void()> requestBrowse;
        // The policy's permission to use mesh.
        std::function<bool()> canUseMesh;
        // False while a profile apply runs that a mesh command would disturb.
        std::function<bool()> applyIdle;
        // A "Message" box with OK and the exclamation or information icon.
        std::function<void(const wxString& text, bool exclamation)> showMessage;
        // Runs the sharing dialog; true when it made this machine a mesh
        // server (the dialog calls EnableServer).
        std::function<bool()> runShareDialog;
        // The mesh client dialog (null when this build has none), its show
        // and its end as cancelled.
        std::function<MeshServerObserver*()> clientDialog;
        std::function<void()> showClientDialog;
        std::function<void()> cancelClientDialog;
    };

    MeshStateMachine(Hooks hooks, MeshInfoManager& model);
    ~MeshStateMachine();

    // The machine the mesh dialogs answer to (the application's); null when
    // none is installed.
    static MeshStateMachine* Current();
    static void SetCurrent(MeshStateMachine* machine);

    // The tray menu's commands.
    void TurnOnMesh();
    void TurnOffMesh();
    void ShareMyInternet();
    void UseOthersInternet();

    // Whether the interface takes its connection from the scan window when it
    // is shared (a wireless one, its name beginning with "ra"): it gets its
    // address from that connection, after the share.
    static bool ConnectsWhenShared(const wxString& interfaceName);
    // Asked by the sharing dialog before it asks for confirmation: whether a
    // share of the interface can be announced.  Any other than a wireless one
    // is refused, and the user told why, while this machine has no IPv4
    // address to announce.
    bool CanShare(const wxString& interfaceName);
    // The sharing dialog's confirmed choice: true when the platform made this
    // machine a mesh server on the interface.
    bool EnableServer(const wxString& interfaceName);
    // The client dialog's confirmed choice: true when this machine joined the
    // server; it then uses another's internet and is no mesh server itself.
    // Nothing happens while mesh is off.
    bool JoinServer(const MeshServerEntity& server);

private:
    // The policy's refusal is shown; an apply in progress ends the command
    // silently.
    bool MayUseMesh();

    Hooks m_hooks;
    MeshInfoManager& m_model;
};

#endif

#ifndef TIDEWAVE_TRAYMESHHOOKS_H
#define TIDEWAVE_TRAYMESHHOOKS_H

#include "MeshStateMachine.h"

class TWMApp;

// What the mesh commands need of the application: its mesh state and DNS-SD
// requests, the policy, the running apply, message boxes and the mesh
// dialogs.
class TrayMeshHooks {
public:
    static MeshStateMachine::Hooks Make(TWMApp& app);
};

#endif

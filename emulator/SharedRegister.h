#pragma once

#include <QString>

#include <memory>

class VirtualRegister;

// The register of a state folder, one per folder in a process: every connection of the
// process to that folder shares it. It lives while someone holds it.
std::shared_ptr<VirtualRegister> sharedRegister(const QString& stateDir);

// FEROX_REGISTER_STATE when set, else Vortan/Ferox/VirtualRegister in the user's data folder.
QString defaultStateDir();

#pragma once

// Makes the Ferox control the implementation of the driver contract for this process:
// every control the programs create from now on is a FeroxControl with the standard
// links. Both programs call it once at start.
void installFeroxControl();

#pragma once
#include "core/Services.h"

// Creates the five windows in their order (the show window first: it is the main window).
// Nothing is read from disk here; that waits for the show window's first activation.
void CreateForms(Services& services);
// Destroys them in the reverse order and clears the instances.
void DestroyForms();

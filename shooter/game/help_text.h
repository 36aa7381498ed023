// The text of the help box: how to leave, pause, get help, restart, aim, fire and change
// weapon.
#pragma once

extern const char helpText[];

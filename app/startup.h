#pragma once

#include <QString>

namespace vexo {

// Start-up: gives the shared state its start values, seeds the generator,
// prepares the first question of every quiz and opens the flag quiz window.
void Main();

// The flag quiz window's three-line note on typing substitutes.
QString InstructionText();

} // namespace vexo

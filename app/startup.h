#pragma once

namespace vexo {

// Start-up: gives the shared state its start values, seeds the generator,
// prepares the first question of every quiz and opens the flag quiz window.
void Main();

} // namespace vexo

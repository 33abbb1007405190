#pragma once
#include "../RetardCouleur.h"

// Copies blanche into incidente, keeping the colour only for lo <= x < hi where
// lo = trunc(c - w/2) + 1 and hi = trunc(c + w/2) + 1; x is always kept.
void FiltreBande(const Tab_RetardCouleur &blanche, Tab_RetardCouleur &incidente,
                 std::int32_t centre, std::int32_t largeur);

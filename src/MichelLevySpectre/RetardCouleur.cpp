#include "RetardCouleur.h"

// Defined in the reverse of their release order at exit: incident, white, interference.
Tab_RetardCouleur tab_interferences;
Tab_RetardCouleur tab_blanche;
Tab_RetardCouleur tab_incidente;

std::int32_t retard_max = 0;
std::int32_t pas = 0;
std::int32_t lambda_min = 0;
std::int32_t lambda_max = 0;

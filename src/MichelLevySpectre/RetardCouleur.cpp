#include "RetardCouleur.h"

Tab_RetardCouleur tab_blanche;
Tab_RetardCouleur tab_incidente;
Tab_RetardCouleur tab_interferences;

std::int32_t retard_max = 0;
std::int32_t pas = 0;
std::int32_t lambda_min = 0;
std::int32_t lambda_max = 0;

// SPDX-License-Identifier: GPL-3.0-or-later
// Integer reads of the window's input fields.
#include "MichelLevySpectre.h"

#include <QLineEdit>

std::int32_t EntierDuChamp(const QLineEdit *champ, std::int32_t defaut)
{
    return LitEntier(champ->text().toStdString(), defaut);
}

std::int32_t EntierStrictDuChamp(const QLineEdit *champ)
{
    return LitEntierStrict(champ->text().toStdString());
}

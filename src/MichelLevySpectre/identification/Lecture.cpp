// SPDX-License-Identifier: GPL-3.0-or-later
// The strip's readout. The strip's mouse handlers stay as they are: the readout comes through an
// event filter that only answers tooltip requests.
#include "MichelLevySpectre/identification/Lecture.h"

#include "MichelLevySpectre/reglages/LameMince.h"
#include "MichelLevySpectre/reglages/ReglagesCourants.h"
#include "toolkit/TImage.h"

#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>

namespace {

class LectureBande : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objet, QEvent *e) override
    {
        if (e->type() != QEvent::ToolTip)
            return false;
        const auto *aide = static_cast<QHelpEvent *>(e);
        auto *image = static_cast<TImage *>(objet);
        const QString texte = LectureMichelLevy(image, aide->pos().x());
        if (texte.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(aide->globalPos(), texte, image);
        return true;
    }
};

} // namespace

std::optional<double> RetardDeColonne(const TImage *image, int x)
{
    if (tab_interferences.size() < 2 || !image || image->width() < 2)
        return std::nullopt;
    const double colonne = std::clamp(x, 0, image->width() - 1);
    return colonne / (image->width() - 1) * tab_interferences.back().x;
}

QString LectureMichelLevy(const TImage *image, int x)
{
    const std::optional<double> sousLaColonne = RetardDeColonne(image, x);
    if (!sousLaColonne)
        return {};
    const double retard = *sousLaColonne;
    // Colour names hold for white light between crossed polarisers, the plate's included.
    const ReglagesMicroscope &r = ReglagesCourants();
    const bool nommee =
        ModeLumiereDuCalcul() == ModeLumiere::Blanche && r.polariseurs == Polariseurs::Croises;
    const std::string teinte = nommee ? NomTeinte(RetardVu(retard, r)) : std::string();
    return QString::fromStdString(LectureRetard(retard, EpaisseurLame(), teinte, TableMineraux()));
}

void InstalleLectureMichelLevy(TImage *image)
{
    image->installEventFilter(new LectureBande(image));
}

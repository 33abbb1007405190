// SPDX-License-Identifier: GPL-3.0-or-later
// The strip's readout. The strip's mouse handlers stay as they are: the readout comes through an
// event filter that only answers tooltip requests.
#include "LectureBande.h"

#include "MichelLevySpectre/couleurs/Teintes.h"
#include "MichelLevySpectre/mineraux/LectureRetard.h"
#include "MichelLevySpectre/reglages/CouleursBande.h"
#include "MichelLevySpectre/reglages/Reglages.h"
#include "toolkit/TImage.h"

#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>

namespace {

class LectureBande : public QObject {
public:
    LectureBande(TImage *image, const Reglages &reglages) : QObject(image), reglages_(reglages) {}

protected:
    bool eventFilter(QObject *objet, QEvent *e) override
    {
        if (e->type() != QEvent::ToolTip)
            return false;
        const auto *aide = static_cast<QHelpEvent *>(e);
        auto *image = static_cast<TImage *>(objet);
        const QString texte = LectureMichelLevy(image, aide->pos().x(), reglages_);
        if (texte.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(aide->globalPos(), texte, image);
        return true;
    }

private:
    const Reglages &reglages_;
};

} // namespace

std::optional<double> RetardDeColonne(const TImage *image, int x)
{
    if (tab_interferences.size() < 2 || !image || image->width() < 2)
        return std::nullopt;
    const double colonne = std::clamp(x, 0, image->width() - 1);
    return colonne / (image->width() - 1) * tab_interferences.back().x;
}

QString LectureMichelLevy(const TImage *image, int x, const Reglages &reglages)
{
    const std::optional<double> sousLaColonne = RetardDeColonne(image, x);
    if (!sousLaColonne)
        return {};
    const double retard = *sousLaColonne;
    // Colour names hold for white light between crossed polarisers, the plate's included.
    const ReglagesMicroscope &r = reglages.microscope();
    const bool nommee =
        ModeLumiereDuCalcul() == ModeLumiere::Blanche && r.polariseurs == Polariseurs::Croises;
    const std::string teinte = nommee ? NomTeinte(RetardVu(retard, r)) : std::string();
    return QString::fromStdString(
        LectureRetard(retard, reglages.epaisseur(), teinte, reglages.mineraux()));
}

void InstalleLectureMichelLevy(TImage *image, const Reglages &reglages)
{
    image->installEventFilter(new LectureBande(image, reglages));
}

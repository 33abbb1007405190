// SPDX-License-Identifier: GPL-3.0-or-later
// The conoscope's figure saved through the figures' export, titled with the grain and the
// settings in words.
#include "MichelLevySpectre/figureconoscopique/FenetreConoscopie.h"
#include "MichelLevySpectre/figureconoscopique/VueConoscopique.h"
#include "MichelLevySpectre/figures/ExportFigures.h"
#include "MichelLevySpectre/figures/Figures.h"
#include "MichelLevySpectre/figures/Typographie.h"
#include "toolkit/Programme.h"

#include <QPainter>

namespace {

// The saved figure: the disc's side in points, its pixels, the page's margins.
constexpr double CoteEnregistre = 360, BordPage = 24, HauteurTitres = 70;
constexpr int PixelsEnregistres = 1500;

} // namespace

void FenetreConoscopie::enregistre()
{
    Protege([this] {
        const double marge = MargeHabillage * CoteEnregistre;
        const QSizeF page(CoteEnregistre + 2 * marge + 2 * BordPage,
                          HauteurTitres + CoteEnregistre + 2 * marge + 2 * BordPage);
        const QImage figure = ImageDeLaFigure(
            DessineFigure(*lumiereFigure_, etat_.grain, etat_.conoscope, PixelsEnregistres));
        const QString t = titre(), s = sousTitre();
        const HabillageFigure h = habillage();
        EnregistreFigureDessinee(t, page, [&](QPainter &p) {
            p.setPen(Qt::black);
            p.setFont(typo::police(typo::TitreAxe, true));
            p.drawText(QRectF(BordPage, BordPage, page.width() - 2 * BordPage, 20),
                       Qt::AlignLeft | Qt::AlignTop, t);
            p.setFont(typo::police(typo::Texte));
            p.drawText(
                QRectF(BordPage, BordPage + 22, page.width() - 2 * BordPage, HauteurTitres - 22),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, s + QLatin1Char('.'));
            DessineHabillage(p,
                             QRectF(BordPage + marge, BordPage + HauteurTitres + marge,
                                    CoteEnregistre, CoteEnregistre),
                             figure, h);
        });
    });
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The identification window's second photograph: the same field with the λ plate inserted,
// shown beside the first, the grain read on both at the same pixel.
#include "MichelLevySpectre/identification/FenetreIdentification.h"
#include "MichelLevySpectre/identification/VuePhotographie.h"
#include "toolkit/Dialogues.h"

#include <QScrollArea>

void FenetreIdentification::demandePhotographieLambda()
{
    if (vue_->vide())
        return dit(QString::fromUtf8("Ouvrez d'abord une photographie (Ctrl+O)"));
    if (const std::optional<QString> nom =
            dialogues().ouvrir(QString::fromUtf8("Ajouter la photographie avec lame λ"),
                               QString::fromUtf8("Photographies (*.png *.jpg *.jpeg)")))
        ouvrePhotographieLambda(*nom);
}

void FenetreIdentification::ouvrePhotographieLambda(const QString &nom)
{
    const Photographie photo = LitPhotographie(nom);
    if (photo.image.isNull())
        return dit(photo.erreur);
    if (photo.image.size() != vue_->image().size())
        return dit(QString::fromUtf8("La photographie avec lame λ doit avoir le cadrage et la "
                                     "taille de la première"));
    defilementLambda_->show();
    vueLambda_->montre(photo.image);
    if (pixel_)
        vueLambda_->marque(*pixel_);
    dit(QString());
    calcule();
}

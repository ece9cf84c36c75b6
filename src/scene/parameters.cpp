#include "scene/kovril.h"
#include "scene/redraw.h"
#include "surface/format.h"

void Kovril::thesiy_Change() {
    surface().Cls();
    Label1->setText(QStringLiteral("ψ κίτρινο= ") + QString::number(thesiy->Value()));
    scene::redrawScene();
}

void Kovril::arithmosaktinon_Change() {
    surface().Cls();
    scene::redrawScene();
    Label5->setText(QStringLiteral("αριθμός σημείων =") +
                    surface::Format(arithmosaktinon->Value(), "0"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/help_page.h"

#include "scene/kovril.h"
#include "scene/lessons.h"

#include "profile/plot_ink.h"
#include "scene/legend_layers.h"
#include "surface/picture_inks.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

namespace scene {

namespace {

constexpr int sampleWidth = 48;
constexpr int sampleHeight = 20;

// The element drawn small by the same surface as the picture, so that its colour, width and
// style are the picture's own.
QPixmap sampleOf(const surface::LegendEntry& entry, qreal pixelRatio) {
    using Sample = surface::LegendEntry::Sample;
    surface::Surface s(QSize(sampleWidth, sampleHeight), pixelRatio, 96, QColor(236, 236, 236));
    s.Scale(0, 0, sampleWidth, sampleHeight);
    const surface::Ink& ink = *entry.ink;
    s.DrawWidth = ink.width;
    s.DrawStyle = ink.style;
    switch (entry.sample) {
    case Sample::Line:
        s.Line(4, sampleHeight / 2.0, sampleWidth - 4, sampleHeight / 2.0, ink.color);
        break;
    case Sample::Dot:
        s.PSet(sampleWidth / 2.0, sampleHeight / 2.0, ink.color);
        break;
    case Sample::Circle:
        s.Circle(sampleWidth / 2.0, sampleHeight / 2.0, sampleHeight / 2.0 - 3, ink.color);
        break;
    case Sample::Fill:
        s.FillPolygon(QPolygonF(QRectF(10, 3, sampleWidth - 20, sampleHeight - 6)), ink.color);
        break;
    }
    return QPixmap::fromImage(s.image());
}

QLabel* paragraph(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    return label;
}

QString helpText(const char* text) {
    return QCoreApplication::translate("Help", text);
}

// One row per element: its sample, then what it is.
void addLegend(QVBoxLayout& layout, const std::vector<surface::LegendEntry>& entries,
               std::vector<HelpPage::LegendRow>& rows) {
    QWidget* page = layout.parentWidget();
    auto* legend = new QGridLayout;
    legend->setColumnStretch(1, 1);
    int row = 0;
    for (const surface::LegendEntry& entry : entries) {
        auto* sample = new QLabel(page);
        sample->setObjectName(QStringLiteral("legendSample"));
        sample->setPixmap(sampleOf(entry, page->devicePixelRatioF()));
        const QString name = QCoreApplication::translate("Legend", entry.name);
        sample->setAccessibleName(name);
        auto* text = new QLabel(name, page);
        text->setWordWrap(true);
        legend->addWidget(sample, row, 0);
        legend->addWidget(text, row, 1);
        rows.push_back({&entry, sample, text});
        ++row;
    }
    layout.addLayout(legend);
}

// A heading and its points, one paragraph each.
void addSection(QVBoxLayout& layout, const char* heading,
                std::initializer_list<const char*> points) {
    QWidget* page = layout.parentWidget();
    layout.addWidget(paragraph(page, QStringLiteral("<b>%1</b>").arg(helpText(heading))));
    for (const char* text : points)
        layout.addWidget(paragraph(page, QStringLiteral("• ") + helpText(text)));
}

} // namespace

HelpPage::HelpPage(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QCoreApplication::translate("Help", "Βοήθεια"));
    setAccessibleName(QCoreApplication::translate("Help", "Βοήθεια"));

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(paragraph(
        content,
        QStringLiteral("<b>%1</b>")
            .arg(QCoreApplication::translate("Help", "Τι σημαίνει κάθε στοιχείο της εικόνας"))));
    addLegend(*layout, surface::pictureLegend(), legend_);

    addSection(
        *layout, QT_TRANSLATE_NOOP("Help", "Τα κουμπιά, οι μπάρες και το σύρσιμο"),
        {
            QT_TRANSLATE_NOOP("Help", "«Υπολόγισε θέση»: βρίσκει το σημείο του φακού από "
                                      "όπου το φως φτάνει στο κίτρινο σημείο στον "
                                      "ελάχιστο χρόνο."),
            QT_TRANSLATE_NOOP("Help", "«Δέσμη ακτίνων» και «Κύκλοι Huygens»: δέσμη από την "
                                      "πηγή μέσα από το φακό, με ή χωρίς τους κύκλους "
                                      "στην έξοδο."),
            QT_TRANSLATE_NOOP("Help", "«Συνέχιση ακτίνας» και «Συνέχιση δέσμης»: οι ακτίνες "
                                      "μετά το φακό, με την κατασκευή του Huygens, και το "
                                      "μέτωπο κύματος."),
            QT_TRANSLATE_NOOP("Help", "«PRINT»: τυπώνει τη σελίδα γυρισμένη κατά 180°, με τις "
                                      "κλίμακες μηκών κύματος στον αέρα και στο φακό· χωρίς "
                                      "εκτυπωτή γράφει PDF στα Έγγραφα. Ό,τι δείχνει η οθόνη "
                                      "σώζεται με «Αποθήκευση εικόνας…»."),
            QT_TRANSLATE_NOOP("Help", "Η μπάρα δεξιά: το κίτρινο σημείο στην πίσω επιφάνεια. Οι "
                                      "μπάρες αριστερά: ο αριθμός των ακτίνων (στην άκρη) και το "
                                      "μπλε σημείο στην μπροστινή επιφάνεια. Η μπάρα κάτω: ο "
                                      "χρόνος του μετώπου κύματος."),
            QT_TRANSLATE_NOOP("Help", "«▶» δίπλα στη μπάρα του χρόνου: το μέτωπο κύματος κινείται "
                                      "ως το τέλος της μπάρας σε περίπου τέσσερα δευτερόλεπτα· "
                                      "πατημένο ξανά («❚❚») σταματά. Το διάστημα στη μπάρα κάνει "
                                      "το ίδιο· Shift+διάστημα ή δεξί κλικ στο «▶» παίζει στο ένα "
                                      "τέταρτο της ταχύτητας, για εξήγηση."),
            QT_TRANSLATE_NOOP("Help", "Σύρετε την κόκκινη πηγή ή το μπλε σημείο με το "
                                      "ποντίκι· η πηγή κινείται και με τα βέλη. Όταν η εικόνα "
                                      "δείχνει μια διαδρομή, η διαδρομή ακολουθεί το σύρσιμο, "
                                      "και το κίτρινο σημείο όταν σύρετε τη μπάρα του."),
            QT_TRANSLATE_NOOP("Help", "F2: ο χρόνος κάθε διαδρομής ως καμπύλη, με το "
                                      "ελάχιστο και το μπλε σημείο."),
            QT_TRANSLATE_NOOP("Help", "F3, «Φακός»: ο δείκτης (ή ένα υλικό), οι ακτίνες των δύο "
                                      "επιφανειών (θετική κυρτή, αρνητική κοίλη, 0 επίπεδη), το "
                                      "πάχος και το άνοιγμα· η εικόνα ξανασχεδιάζεται με το νέο "
                                      "φακό. «Ο αρχικός φακός» φέρνει πίσω το φακό της εκκίνησης."),
        });

    addSection(*layout, QT_TRANSLATE_NOOP("Help", "Τι γράφουν οι ετικέτες"),
               {
                   QT_TRANSLATE_NOOP("Help", "«ψ κίτρινο»: το ύψος του κίτρινου σημείου στην πίσω "
                                             "επιφάνεια· «ψ blue»: το ύψος του μπλε σημείου στην "
                                             "μπροστινή."),
                   QT_TRANSLATE_NOOP("Help", "«πρόσπτωσης» και «διάθλασης»: οι γωνίες της ακτίνας "
                                             "με την κάθετη στην επιφάνεια, σε μοίρες."),
                   QT_TRANSLATE_NOOP("Help", "«δείκτης»: ο λόγος των ημιτόνων των δύο γωνιών, ο "
                                             "δείκτης διάθλασης που μετρήθηκε (2 γι’ αυτόν το "
                                             "φακό)."),
                   QT_TRANSLATE_NOOP("Help", "«χρόνος»: πόσο κάνει το φως από την πηγή ως το "
                                             "κίτρινο σημείο, με ταχύτητα 2 στον αέρα και 1 στο "
                                             "φακό."),
                   QT_TRANSLATE_NOOP("Help", "«ολική ανάκλαση» και «ορική»: η ακτίνα φτάνει στην "
                                             "πίσω επιφάνεια πιο λοξά από την ορική γωνία και "
                                             "μένει στο φακό."),
                   QT_TRANSLATE_NOOP("Help", "«αριθμός σημείων»: πόσες ακτίνες έχει η δέσμη· "
                                             "«Χρονος»: η τιμή της μπάρας του χρόνου, μετρημένη "
                                             "από τη στιγμή που η πιο αργή ακτίνα φτάνει στην "
                                             "πίσω επιφάνεια."),
               });

    addSection(
        *layout, QT_TRANSLATE_NOOP("Help", "Το αντικείμενο και το είδωλό του"),
        {
            QT_TRANSLATE_NOOP("Help", "«Αντικείμενο» στο μενού «☰»: ένα βέλος πάνω στον άξονα, "
                                      "αριστερά του φακού. Σύρετε το πόδι του κατά μήκος του "
                                      "άξονα ή την κορυφή του για το ύψος· με Tab μετά την πηγή, "
                                      "τα βέλη το μετακινούν (Shift: δέκα φορές περισσότερο)."),
            QT_TRANSLATE_NOOP("Help", "Πορτοκαλί: ακτίνες ελάχιστου χρόνου από την κορυφή, μέσα "
                                      "από τον πραγματικό φακό. Όπου συναντιούνται οι ακτίνες "
                                      "κοντά στον άξονα είναι το είδωλο· αν αποκλίνουν, οι "
                                      "διακεκομμένες προεκτάσεις τους προς τα πίσω δείχνουν το "
                                      "φανταστικό είδωλο. Οι τελείες, όπου συναντιούνται "
                                      "γειτονικές ακτίνες, απλώνονται: η σφαιρική εκτροπή."),
            QT_TRANSLATE_NOOP("Help", "Κυανό: η εξίσωση του παχιού φακού, με τις εστίες F και F′, "
                                      "τα κύρια επίπεδα H και H′ και τις τρεις χαρακτηριστικές "
                                      "ακτίνες· μωβ βέλος το είδωλο (διακεκομμένο αν είναι "
                                      "φανταστικό)."),
            QT_TRANSLATE_NOOP("Help", "Οι ετικέτες κάτω δεξιά: f από το H′ ως το F′, s από το "
                                      "αντικείμενο ως το H, s′ από το H′ ως το είδωλο (αρνητικό "
                                      "για φανταστικό), m = −s′/s, ο έλεγχος 1/s + 1/s′ = 1/f και "
                                      "το s′ των ακτίνων ελάχιστου χρόνου δίπλα στο s′ της "
                                      "εξίσωσης. Στην εστία δεν σχηματίζεται είδωλο."),
        });

    addSection(*layout, QT_TRANSLATE_NOOP("Help", "Το μενού «☰», σκηνές και εικόνες"),
               {
                   QT_TRANSLATE_NOOP("Help", "«☰» κάτω δεξιά: «Καθαρισμός» (Ctrl+L) αφήνει μόνο το "
                                             "φακό, «Πλήρης οθόνη» (F11, έξοδος με Esc) για τον "
                                             "προβολέα, «Έξοδος» (Ctrl+Q)."),
                   QT_TRANSLATE_NOOP("Help", "«Αναίρεση» (Ctrl+Z) γυρίζει την εικόνα, τις μπάρες "
                                             "και τα σημεία ένα βήμα πίσω, ως 500 βήματα· "
                                             "«Επανάληψη» (Ctrl+Shift+Z ή Ctrl+Y) τα ξαναφέρνει."),
                   QT_TRANSLATE_NOOP("Help", "«Αρχή μαθήματος»: ο αρχικός φακός, η πηγή στο "
                                             "(−200, 50) και άδειες ετικέτες, ίδια σε κάθε οθόνη. "
                                             "«Μαθήματα»: έτοιμες σκηνές, με μια γραμμή για το τι "
                                             "να δείτε."),
                   QT_TRANSLATE_NOOP("Help", "«Εμφάνιση»: κρύβει ή δείχνει τις κάθετες, τους "
                                             "κύκλους Huygens, τα κύρια σημεία, τα μέτωπα κύματος "
                                             "και τις ακτίνες της δέσμης· «Βέλη κατεύθυνσης» "
                                             "δείχνει προς τα πού πάει το φως."),
                   QT_TRANSLATE_NOOP("Help", "«Αποθήκευση σκηνής…» (Ctrl+S) γράφει την πηγή, τις "
                                             "μπάρες και ό,τι σχεδιάστηκε σε αρχείο .kovril· "
                                             "«Άνοιγμα σκηνής…» (Ctrl+O) ξαναφτιάχνει την ίδια "
                                             "εικόνα, π.χ. στο επόμενο μάθημα."),
                   QT_TRANSLATE_NOOP("Help", "«Αποθήκευση εικόνας…» (Ctrl+Shift+S) σώζει ό,τι "
                                             "δείχνει το παράθυρο ως PNG, SVG ή PDF· με «λευκό "
                                             "φόντο» για φύλλα εργασίας."),
               });

    addSection(
        *layout, QT_TRANSLATE_NOOP("Help", "Μέτρηση: ο χάρακας και το μοιρογνωμόνιο"),
        {
            QT_TRANSLATE_NOOP("Help", "«Χάρακας» στο μενού «☰»: σύρετε τις δύο άκρες του· δίπλα "
                                      "γράφεται το μήκος του σε μονάδες της σκηνής."),
            QT_TRANSLATE_NOOP("Help", "«Μοιρογνωμόνιο»: μια κορυφή και δύο σκέλη· δίπλα στην "
                                      "κορυφή γράφεται η γωνία ανάμεσα στα σκέλη, σε μοίρες."),
            QT_TRANSLATE_NOOP("Help", "Μια άκρη που αφήνεται λίγα pixel από ένα σημείο της εικόνας "
                                      "πέφτει ακριβώς πάνω του: η πηγή, το μπλε σημείο (το σημείο "
                                      "ελάχιστου χρόνου μετά το «Υπολόγισε θέση»), το κίτρινο "
                                      "σημείο, οι εστίες F1 και F2 και τα κύρια σημεία H1 και H2 "
                                      "του φακού, και όταν δεν είναι σχεδιασμένα."),
            QT_TRANSLATE_NOOP("Help", "Με Tab οι άκρες έρχονται μετά την πηγή· τα βέλη τις "
                                      "μετακινούν κατά μία μονάδα, με Shift κατά δέκα, και ένα "
                                      "βήμα προς ένα σημείο σταματά πάνω του. Κάθε μετακίνηση "
                                      "αναιρείται με Ctrl+Z· οι σκηνές και οι εικόνες κρατούν τα "
                                      "όργανα."),
        });

    addSection(*layout, QT_TRANSLATE_NOOP("Help", "Το πληκτρολόγιο"),
               {
                   QT_TRANSLATE_NOOP("Help", "Tab: από κουμπί σε κουμπί, μετά η πηγή, οι μπάρες "
                                             "και το μενού· Shift+Tab πίσω. Το διάστημα πατά το "
                                             "κουμπί."),
                   QT_TRANSLATE_NOOP("Help", "Στην πηγή τα βέλη τη μετακινούν κατά μία μονάδα, με "
                                             "Shift κατά δέκα. Στις μπάρες: βέλη, Page Up και "
                                             "Page Down, Home και End."),
                   QT_TRANSLATE_NOOP("Help", "F1 αυτή η βοήθεια (Esc την κλείνει), F2 ο χρόνος "
                                             "διαδρομής, F3 ο φακός, F11 πλήρης οθόνη, Ctrl+Q "
                                             "έξοδος."),
               });

    layout->addWidget(paragraph(
        content, QStringLiteral("<b>%1</b>")
                     .arg(QCoreApplication::translate("Help", "Ο χρόνος διαδρομής (F2)"))));
    addLegend(*layout, profile::plotLegend(), legend_);

    layout->addWidget(paragraph(
        content,
        QStringLiteral("<b>%1</b>").arg(QCoreApplication::translate("Help", "Τρία πειράματα"))));
    const char* const experiments[] = {
        QT_TRANSLATE_NOOP("Help",
                          "Βρείτε με το χέρι τον ελάχιστο χρόνο με τη μπλε μπάρα, κοιτάζοντας το "
                          "χρόνο· μετά πατήστε «Υπολόγισε θέση» και συγκρίνετε."),
        QT_TRANSLATE_NOOP("Help", "Μετακινήστε την πηγή ψηλά και κοντά στο φακό και πατήστε "
                                  "«Κύκλοι Huygens»: οι πάνω ακτίνες παγιδεύονται στο φακό "
                                  "(κόκκινες κουκκίδες) και δεν παίρνουν κύκλο."),
        QT_TRANSLATE_NOOP("Help", "Με «Συνέχιση δέσμης», σύρετε τη μπάρα του χρόνου και δείτε το "
                                  "μέτωπο κύματος να περνά από το είδωλο."),
    };
    // The first three lessons are these experiments, ready to open from here.
    auto* window = qobject_cast<Kovril*>(parent);
    for (int number = 0; number < int(std::size(experiments)); ++number) {
        QLabel* text = paragraph(
            content, QStringLiteral("%1. %2 <a href=\"%1\">%3</a>")
                         .arg(number + 1)
                         .arg(helpText(experiments[number]),
                              QCoreApplication::translate("Help", "Άνοιγμα του μαθήματος")));
        if (window)
            connect(text, &QLabel::linkActivated, this,
                    [window, number] { scene::openLesson(*window, number); });
        layout->addWidget(text);
    }
    layout->addStretch();

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

void HelpPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HelpPage::followLayers(const geometry::Layers& layers) {
    for (const LegendRow& row : legend_) {
        const bool shown = legendShown(*row.entry, layers);
        row.sample->setVisible(shown);
        row.text->setVisible(shown);
    }
}

} // namespace scene

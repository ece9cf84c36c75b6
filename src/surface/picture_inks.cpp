// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/picture_inks.h"

#include <QtGlobal>

namespace surface {

const std::vector<LegendEntry>& pictureLegend() {
    using S = LegendEntry::Sample;
    static const std::vector<LegendEntry> entries = {
        {&inks::axis, S::Line, QT_TRANSLATE_NOOP("Legend", "ο οπτικός άξονας")},
        {&inks::lensOutline, S::Circle,
         QT_TRANSLATE_NOOP("Legend", "οι επιφάνειες του φακού και τα κέντρα καμπυλότητας")},
        {&inks::lensFill, S::Fill, QT_TRANSLATE_NOOP("Legend", "το γυαλί του φακού")},
        {&inks::yellowPoint, S::Fill,
         QT_TRANSLATE_NOOP("Legend", "το κίτρινο σημείο στην πίσω επιφάνεια")},
        {&inks::yellowPointRim, S::Circle,
         QT_TRANSLATE_NOOP("Legend", "το περίγραμμα του κίτρινου σημείου")},
        {&inks::rimDots, S::Dot, QT_TRANSLATE_NOOP("Legend", "τα άκρα του φακού")},
        {&inks::path, S::Line,
         QT_TRANSLATE_NOOP("Legend", "οι διαδρομές πηγή → μπροστινή επιφάνεια → πίσω επιφάνεια")},
        {&inks::normal, S::Line,
         QT_TRANSLATE_NOOP("Legend", "η κάθετος στο σημείο ελάχιστου χρόνου")},
        {&inks::exitDots, S::Dot,
         QT_TRANSLATE_NOOP("Legend", "τα σημεία όπου οι ακτίνες της δέσμης φτάνουν στην πίσω "
                                     "επιφάνεια")},
        {&inks::totalReflection, S::Dot,
         QT_TRANSLATE_NOOP("Legend", "ολική ανάκλαση: η ακτίνα δεν βγαίνει από το φακό")},
        {&inks::wavelets, S::Circle,
         QT_TRANSLATE_NOOP("Legend", "κύκλοι Huygens γύρω από τα σημεία εξόδου")},
        {&inks::constructionToP, S::Line,
         QT_TRANSLATE_NOOP("Legend", "κατασκευή Huygens: η διαδρομή προς το σημείο εξόδου")},
        {&inks::constructionAbove, S::Circle,
         QT_TRANSLATE_NOOP("Legend", "κατασκευή Huygens: η γειτονική διαδρομή από πάνω και "
                                     "ο κύκλος της")},
        {&inks::constructionBelow, S::Circle,
         QT_TRANSLATE_NOOP("Legend", "κατασκευή Huygens: ο κύκλος της γειτονικής διαδρομής "
                                     "από κάτω")},
        {&inks::rearNormal, S::Line,
         QT_TRANSLATE_NOOP("Legend", "η κάθετος της πίσω επιφάνειας στο σημείο εξόδου")},
        {&inks::continuedRay, S::Line, QT_TRANSLATE_NOOP("Legend", "η ακτίνα μετά το φακό")},
        {&inks::continuedRayOnPage, S::Line,
         QT_TRANSLATE_NOOP("Legend", "η ακτίνα μετά το φακό, στη σελίδα")},
        {&inks::exitRefraction, S::Line,
         QT_TRANSLATE_NOOP("Legend", "η διάθλαση στην έξοδο κατά το νόμο του Snell")},
        {&inks::rayEnds, S::Dot,
         QT_TRANSLATE_NOOP("Legend", "τα σημεία του μετώπου κύματος τη στιγμή της μπάρας")},
        {&inks::wavefront, S::Circle, QT_TRANSLATE_NOOP("Legend", "το μέτωπο κύματος")},
        {&inks::directionArrow, S::Line,
         QT_TRANSLATE_NOOP("Legend", "βέλη κατεύθυνσης: προς τα πού ταξιδεύει το φως")},
        {&inks::thinLensImage, S::Dot, QT_TRANSLATE_NOOP("Legend", "το είδωλο κατά το λεπτό φακό")},
        {&inks::thinLensFoci, S::Dot, QT_TRANSLATE_NOOP("Legend", "οι εστίες του λεπτού φακού")},
        {&inks::thinLensRays, S::Line,
         QT_TRANSLATE_NOOP("Legend", "οι χαρακτηριστικές ακτίνες του λεπτού φακού")},
        {&inks::principalPlanes, S::Line,
         QT_TRANSLATE_NOOP("Legend", "τα κύρια επίπεδα H1 και H2 του παχιού φακού")},
        {&inks::thickLensFoci, S::Dot,
         QT_TRANSLATE_NOOP("Legend", "οι εστίες F1 και F2 του παχιού φακού")},
        {&inks::nodalPoints, S::Dot, QT_TRANSLATE_NOOP("Legend", "τα κομβικά σημεία N1 και N2")},
        {&inks::thickLensRays, S::Line,
         QT_TRANSLATE_NOOP("Legend", "οι χαρακτηριστικές ακτίνες του παχιού φακού")},
        {&inks::thickLensImage, S::Dot,
         QT_TRANSLATE_NOOP("Legend", "το είδωλο κατά τον παχύ φακό")},
        {&inks::ruler, S::Line,
         QT_TRANSLATE_NOOP("Legend", "ο χάρακας, με μια γραμμή κάθε 10 μονάδες")},
        {&inks::rulerEnds, S::Dot, QT_TRANSLATE_NOOP("Legend", "οι άκρες του χάρακα")},
        {&inks::protractor, S::Line,
         QT_TRANSLATE_NOOP("Legend", "το μοιρογνωμόνιο: τα σκέλη και το τόξο της γωνίας")},
        {&inks::protractorEnds, S::Dot,
         QT_TRANSLATE_NOOP("Legend", "η κορυφή και οι άκρες των σκελών του μοιρογνωμονίου")},
        {&inks::objectArrow, S::Line, QT_TRANSLATE_NOOP("Legend", "το αντικείμενο")},
        {&inks::realImage, S::Line,
         QT_TRANSLATE_NOOP("Legend", "το πραγματικό είδωλο κατά την εξίσωση του φακού")},
        {&inks::virtualImage, S::Line,
         QT_TRANSLATE_NOOP("Legend", "το φανταστικό είδωλο κατά την εξίσωση του φακού")},
        {&inks::imageFan, S::Line,
         QT_TRANSLATE_NOOP("Legend", "οι ακτίνες ελάχιστου χρόνου από την κορυφή του "
                                     "αντικειμένου")},
        {&inks::imageFanBackward, S::Line,
         QT_TRANSLATE_NOOP("Legend", "οι προεκτάσεις τους προς τα πίσω, ως το φανταστικό "
                                     "είδωλο")},
        {&inks::aberrationDots, S::Dot,
         QT_TRANSLATE_NOOP("Legend", "όπου συναντιούνται γειτονικές ακτίνες: η σφαιρική "
                                     "εκτροπή")},
        {&inks::equationFoci, S::Dot,
         QT_TRANSLATE_NOOP("Legend", "οι εστίες F και F′ για το αντικείμενο")},
        {&inks::equationPlanes, S::Line,
         QT_TRANSLATE_NOOP("Legend", "τα κύρια επίπεδα H και H′ για το αντικείμενο")},
        {&inks::equationRays, S::Line,
         QT_TRANSLATE_NOOP("Legend", "οι τρεις χαρακτηριστικές ακτίνες από την κορυφή του "
                                     "αντικειμένου")},
        {&inks::equationRaysBackward, S::Line,
         QT_TRANSLATE_NOOP("Legend", "οι προεκτάσεις τους προς τα πίσω")},
    };
    return entries;
}

} // namespace surface

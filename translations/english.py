"""The English of every Greek text, as translations/kovril_en.ts holds it.

Run after `cmake --build --preset default --target update_translations` has collected new
texts: it fills in the translations this table knows and lists the texts it does not.
"""
import re
import sys
from pathlib import Path
from xml.sax.saxutils import escape, unescape

ENGLISH = {
    "Υπολόγισε θέση με Kovril": "Find the point with Kovril",
    "Βρίσκει στην μπροστινή επιφάνεια του φακού το σημείο από όπου το φως της πηγής φτάνει στο κίτρινο σημείο στον ελάχιστο χρόνο· γράφει τις γωνίες, το δείκτη διάθλασης και το χρόνο.":
        "Finds the point of the lens's front surface through which light from the source reaches the yellow point in the least time; shows the angles, the refractive index and the time.",
    "PRINT: εκτύπωση της εικόνας": "PRINT: print the picture",
    "Τυπώνει τη σελίδα γυρισμένη κατά 180°: το φακό, τη δέσμη και τα μέτωπα κύματος, με κλίμακες μηκών κύματος στον αέρα και στο φακό. Ό,τι δείχνει η οθόνη σώζεται με «%1» στο μενού «☰».":
        "Prints the page turned through 180°: the lens, the beam and the wavefronts, with scales of wavelengths in air and in the lens. What the screen shows is saved with «%1» in the «☰» menu.",
    "Δέσμη ακτίνων": "Beam of rays",
    "Σχεδιάζει δέσμη ακτίνων από την πηγή μέσα από το φακό.": "Draws a beam of rays from the source through the lens.",
    "Συνέχιση ακτίνας μετά το φακό": "Continue the ray past the lens",
    "Συνέχιση ακτίνας μετά  το φακό": "Continue the ray past the lens",
    "Συνεχίζει μετά το φακό την ακτίνα προς το κίτρινο σημείο, με την κατασκευή του Huygens.":
        "Continues the ray towards the yellow point past the lens, by Huygens's construction.",
    "Κύκλοι Huygens": "Huygens circles",
    "Σχεδιάζει τη δέσμη και τους κύκλους Huygens γύρω από τα σημεία όπου οι ακτίνες βγαίνουν από το φακό.":
        "Draws the beam and the Huygens circles around the points where the rays leave the lens.",
    "Συνέχιση δέσμης μετά το φακό": "Continue the beam past the lens",
    "Συνεχίζει όλη τη δέσμη μετά το φακό και δείχνει το μέτωπο κύματος τη στιγμή που ορίζει η μπάρα του χρόνου.":
        "Continues the whole beam past the lens and shows the wavefront at the moment set on the time bar.",
    "Πηγή φωτός": "Light source",
    "Κόκκινο σημείο· μετακινείται σύροντάς το με το ποντίκι ή με τα βέλη (με Shift δέκα μονάδες τη φορά).":
        "Red point; move it by dragging it with the mouse or with the arrow keys (ten units at a time with Shift).",
    "Αριθμός ακτίνων της δέσμης": "Number of rays in the beam",
    "Από 2 ως 100. Η αλλαγή σβήνει τις διαδρομές και ξανασχεδιάζει το φακό.":
        "From 2 to 100. A change clears the paths and draws the lens again.",
    "Ύψος του μπλε σημείου στην μπροστινή επιφάνεια": "Height of the blue point on the front surface",
    "Από 99 πάνω ως -99 κάτω. Δείχνει τη διαδρομή μέσα από το μπλε σημείο και το χρόνο της, για σύγκριση με τον ελάχιστο.":
        "From 99 at the top to -99 at the bottom. Shows the path through the blue point and its time, to compare with the least.",
    "Ύψος του κίτρινου σημείου στην πίσω επιφάνεια": "Height of the yellow point on the rear surface",
    "Από 99 πάνω ως -99 κάτω. Η αλλαγή σβήνει τις διαδρομές και ξανασχεδιάζει το φακό.":
        "From 99 at the top to -99 at the bottom. A change clears the paths and draws the lens again.",
    "Χρόνος του μετώπου κύματος": "Time of the wavefront",
    "Αναπαραγωγή": "Play",
    "Κινεί το μέτωπο κύματος ως το τέλος της μπάρας του χρόνου· με δεξί κλικ ή Shift+Space στη μπάρα, στο ένα τέταρτο της ταχύτητας.":
        "Moves the wavefront to the end of the time bar; with a right-click, or Shift+Space on the bar, at a quarter of the speed.",
    "Από 5 ως 100. Η αλλαγή ξανασχεδιάζει τη δέσμη μετά το φακό τη στιγμή που ορίζει.":
        "From 5 to 100. A change draws the beam past the lens again at the moment it sets.",
    "Ύψος του κίτρινου σημείου ή μήνυμα ολικής ανάκλασης": "Height of the yellow point, or a total-reflection message",
    "Χρόνος της διαδρομής": "Travel time of the path",
    "Γωνίες πρόσπτωσης και διάθλασης": "Angles of incidence and refraction",
    "Δείκτης διάθλασης που μετρήθηκε": "Measured refractive index",
    "Ύψος του μπλε σημείου": "Height of the blue point",
    "Μπλε σημείο στην μπροστινή επιφάνεια": "Blue point on the front surface",
    "Μετακινείται σύροντάς το με το ποντίκι ή με τη μπάρα του ύψους του.": "Move it by dragging it with the mouse, or with its height bar.",
    " Θέση: x = ": " Position: x = ",
    "ολική ανάκλαση   ": "total reflection   ",
    "  ορική = ": "  critical = ",
    "προσπτωσης =": "incidence =",
    " διάθλασης =": " refraction =",
    "δείκτης = ": "index = ",
    "πρόσπτωσης= ": "incidence= ",
    " διάθλασης= ": " refraction= ",
    "χρόνος = ": "time = ",
    "ψ blue = ": "ψ blue = ",
    "Πορεία ακτίνων μέσα από αμφίκυρτο φακό με την αρχή του ελάχιστου χρόνου.":
        "The path of rays through a biconvex lens by the principle of least time.",
    "Δείχνει αυτή τη βοήθεια.": "Shows this help.",
    "Δείχνει την έκδοση.": "Shows the version.",
    "Ξεκινά σε πλήρη οθόνη (για προβολέα).": "Starts in full screen (for a projector).",
    "Σώζει την εικόνα της σκηνής (.png, .svg ή .pdf) χωρίς παράθυρο.": "Saves the scene's picture (.png, .svg or .pdf) without a window.",
    "ΑΡΧΕΙΟ": "FILE",
    "Μέγεθος παραθύρου για την εικόνα (1920x1080).": "Window size for the picture (1920x1080).",
    "ΠxΥ": "WxH",
    "Γλώσσα: el (ελληνικά) ή en (αγγλικά).": "Language: el (Greek) or en (English).",
    "ΣΚΗΝΗ": "SCENE",
    "Αρχείο σκηνής .kovril για άνοιγμα.": "A .kovril scene file to open.",
    "[ΣΚΗΝΗ]": "[SCENE]",
    "άγνωστη επιλογή: %1": "unknown option: %1",
    "άγνωστο όρισμα: %1": "unknown argument: %1",
    "η γλώσσα πρέπει να είναι el ή en: %1": "the language must be el or en: %1",
    "το μέγεθος πρέπει να είναι ΠxΥ, από 800x600 ως 7680x4320: %1": "the size must be WxH, from 800x600 to 7680x4320: %1",
    "δεν γράφτηκε προσωρινό αρχείο": "a temporary file could not be written",
    "η εικόνα δεν αποθηκεύτηκε στο %1: %2": "the picture was not saved to %1: %2",
    "Η σκηνή δεν αποθηκεύτηκε στο αρχείο %1: %2. Ό,τι υπήρχε ήδη εκεί έμεινε όπως ήταν.":
        "The scene was not saved to the file %1: %2. Whatever was there already is as it was.",
    "Η εικόνα δεν αποθηκεύτηκε στο αρχείο %1: %2.": "The picture was not saved to the file %1: %2.",
    "Το αρχείο %1 δεν άνοιξε: %2.": "The file %1 did not open: %2.",
    "Μενού": "Menu",
    "Καθαρισμός, σκηνές και εικόνες σε αρχεία, πλήρης οθόνη και έξοδος.": "Clear, scenes and pictures in files, full screen and quit.",
    "Καθαρισμός": "Clear",
    "Άνοιγμα σκηνής…": "Open scene…",
    "Αποθήκευση σκηνής…": "Save scene…",
    "Αποθήκευση εικόνας…": "Save picture…",
    "λευκό φόντο": "white background",
    "Λευκό φόντο στην εικόνα (για φύλλα εργασίας).": "White background in the picture (for worksheets).",
    "Πλήρης οθόνη": "Full screen",
    "Έξοδος": "Quit",
    "δε βρέθηκε": "not found",
    "Nai the": "Nai the",
    "η κατάληξη του ονόματος πρέπει να είναι .png, .svg ή .pdf": "the name must end in .png, .svg or .pdf",
    "Η σελίδα δεν γράφτηκε στο αρχείο %1.": "The page was not written to the file %1.",
    "η εκτύπωση δεν ξεκίνησε": "printing did not start",
    "δεν υπάρχει εκτυπωτής": "there is no printer",
    "Η σελίδα δεν εκτυπώθηκε: ": "The page was not printed: ",
    " και δεν ήταν δυνατό να γραφτεί αρχείο PDF στον φάκελο των εγγράφων.": " and no PDF file could be written in the documents folder.",
    "Η εκτύπωση δεν ξεκίνησε.": "Printing did not start.",
    "Δεν βρέθηκε εκτυπωτής.": "No printer was found.",
    " Η σελίδα αποθηκεύτηκε ως PDF στο αρχείο:\n": " The page was saved as a PDF in the file:\n",
    "το πεδίο «%1» δεν είναι αριθμός": "the field «%1» is not a number",
    "το πεδίο «%1» δεν είναι ακέραιος": "the field «%1» is not a whole number",
    "η τιμή του «%1» είναι εκτός των ορίων %2 … %3": "the value of «%1» lies outside %2 … %3",
    "το πεδίο «%1» δεν είναι σημείο με x και y": "the field «%1» is not a point with x and y",
    "το πεδίο «%1» έχει άγνωστη τιμή": "the field «%1» has an unknown value",
    "άγνωστο πεδίο «%1»": "unknown field «%1»",
    "το πεδίο «fillColor» δεν είναι χρώμα #rrggbb": "the field «fillColor» is not a colour #rrggbb",
    "το πεδίο «labels» δεν είναι αντικείμενο": "the field «labels» is not an object",
    "άγνωστη ετικέτα «%1»": "unknown label «%1»",
    "το πεδίο «%1» δεν είναι κείμενο": "the field «%1» is not a text",
    "το πεδίο «actions» δεν είναι λίστα": "the field «actions» is not a list",
    "άγνωστη ενέργεια «%1»": "unknown action «%1»",
    "είναι μεγαλύτερο από 1 MiB": "it is larger than 1 MiB",
    "δεν είναι JSON (%1 στο byte %2)": "it is not JSON (%1 at byte %2)",
    "δεν είναι αντικείμενο JSON": "it is not a JSON object",
    "λείπει το πεδίο «format»": "the field «format» is missing",
    "έχει άλλη μορφή, όχι kovril-scene": "it has another format than kovril-scene",
    "λείπει το πεδίο «version»": "the field «version» is missing",
    "το πεδίο «version» δεν είναι αριθμός έκδοσης": "the field «version» is not a version number",
    "γράφτηκε από νεότερο Kovril (έκδοση %1)": "it was written by a newer Kovril (version %1)",
    "το πεδίο «drawing» δεν είναι αντικείμενο": "the field «drawing» is not an object",
    "δεν διαβάζεται (%1)": "it cannot be read (%1)",
    "δεν γράφτηκε ολόκληρο": "it was not written whole",
    "Άνοιγμα σκηνής": "Open scene",
    "Σκηνές Kovril (*.kovril)": "Kovril scenes (*.kovril)",
    "Αποθήκευση σκηνής": "Save scene",
    "Αποθήκευση εικόνας": "Save picture",
    "Εικόνες (*.png *.svg *.pdf)": "Pictures (*.png *.svg *.pdf)",
    "αριθμός σημείων =": "number of points =",
    "Χρονος=": "Time=",
    "ψ κίτρινο= ": "ψ yellow= ",
    "Πορεία Ακτίνων: αρχή Kovril": "Light Paths: the Kovril principle",
    "ψ= 0": "ψ= 0",
    "αριθμός σημείων =10": "number of points =10",
    "Χρονος=5": "Time=5",
    "ψ blue = 0": "ψ blue = 0",
    "ψ= ": "ψ= ",
    "Χρόνος διαδρομής": "Travel time",
    "Ο χρόνος κάθε διαδρομής ως προς το ύψος εισόδου": "The time of every path against the height where it enters",
    "Ελάχιστος χρόνος": "Least time",
    "Χρόνος μπλε σημείου": "Time through the blue point",
    "βήματα αναζήτησης": "search steps",
    "Εκτύπωση": "Print",
    "ελάχιστο: δεν βρέθηκε": "least: not found",
    "ελάχιστο: ": "least: ",
    "μπλε σημείο: ": "blue point: ",
    "ύψος σημείου εισόδου y": "height of the entry point y",
    "χρόνος t": "time t",
    "Βοήθεια": "Help",
    "Τι σημαίνει κάθε στοιχείο της εικόνας": "What each element of the picture means",
    "Τα κουμπιά, οι μπάρες και το σύρσιμο": "The buttons, the scroll bars and dragging",
    "«Υπολόγισε θέση»: βρίσκει το σημείο του φακού από όπου το φως φτάνει στο κίτρινο σημείο στον ελάχιστο χρόνο.": "«Find the point»: finds the point of the lens through which light reaches the yellow point in the least time.",
    "«Δέσμη ακτίνων» και «Κύκλοι Huygens»: δέσμη από την πηγή μέσα από το φακό, με ή χωρίς τους κύκλους στην έξοδο.": "«Beam of rays» and «Huygens circles»: a beam from the source through the lens, with or without the circles where it leaves.",
    "«Συνέχιση ακτίνας» και «Συνέχιση δέσμης»: οι ακτίνες μετά το φακό, με την κατασκευή του Huygens, και το μέτωπο κύματος.": "«Continue the ray» and «Continue the beam»: the rays past the lens, by Huygens's construction, and the wavefront.",
    "Η μπάρα δεξιά: το κίτρινο σημείο στην πίσω επιφάνεια. Οι μπάρες αριστερά: ο αριθμός των ακτίνων (στην άκρη) και το μπλε σημείο στην μπροστινή επιφάνεια. Η μπάρα κάτω: ο χρόνος του μετώπου κύματος.": "The bar on the right: the yellow point on the rear surface. The bars on the left: the number of rays (at the edge) and the blue point on the front surface. The bar at the bottom: the time of the wavefront.",
    "Σύρετε την κόκκινη πηγή ή το μπλε σημείο με το ποντίκι· η πηγή κινείται και με τα βέλη.": "Drag the red source or the blue point with the mouse; the source also moves with the arrow keys.",
    "F2: ο χρόνος κάθε διαδρομής ως καμπύλη, με το ελάχιστο και το μπλε σημείο.": "F2: the time of every path as a curve, with the least and the blue point.",
    "Τρία πειράματα": "Three experiments",
    "Βρείτε με το χέρι τον ελάχιστο χρόνο με τη μπλε μπάρα, κοιτάζοντας το χρόνο· μετά πατήστε «Υπολόγισε θέση» και συγκρίνετε.": "Find the least time by hand with the blue bar, watching the time; then press «Find the point» and compare.",
    "Με «Συνέχιση δέσμης», σύρετε τη μπάρα του χρόνου και δείτε το μέτωπο κύματος να περνά από το είδωλο.": "With «Continue the beam», drag the time bar and watch the wavefront pass the image point.",
    "ο οπτικός άξονας": "the optical axis",
    "οι επιφάνειες του φακού και τα κέντρα καμπυλότητας": "the surfaces of the lens and the centres of curvature",
    "το γυαλί του φακού": "the glass of the lens",
    "το κίτρινο σημείο στην πίσω επιφάνεια": "the yellow point on the rear surface",
    "το περίγραμμα του κίτρινου σημείου": "the outline of the yellow point",
    "τα άκρα του φακού": "the rims of the lens",
    "οι διαδρομές πηγή → μπροστινή επιφάνεια → πίσω επιφάνεια": "the paths source → front surface → rear surface",
    "η κάθετος στο σημείο ελάχιστου χρόνου": "the normal at the point of least time",
    "τα σημεία όπου οι ακτίνες της δέσμης φτάνουν στην πίσω επιφάνεια": "the points where the rays of the beam reach the rear surface",
    "ολική ανάκλαση: η ακτίνα δεν βγαίνει από το φακό": "total reflection: the ray does not leave the lens",
    "κύκλοι Huygens γύρω από τα σημεία εξόδου": "Huygens circles around the exit points",
    "κατασκευή Huygens: η διαδρομή προς το σημείο εξόδου": "Huygens's construction: the path to the exit point",
    "κατασκευή Huygens: η γειτονική διαδρομή από πάνω και ο κύκλος της": "Huygens's construction: the neighbouring path above and its circle",
    "κατασκευή Huygens: ο κύκλος της γειτονικής διαδρομής από κάτω": "Huygens's construction: the circle of the neighbouring path below",
    "η κάθετος της πίσω επιφάνειας στο σημείο εξόδου": "the normal of the rear surface at the exit point",
    "η ακτίνα μετά το φακό": "the ray past the lens",
    "η ακτίνα μετά το φακό, στη σελίδα": "the ray past the lens, on the page",
    "η διάθλαση στην έξοδο κατά το νόμο του Snell": "the refraction at the exit by Snell's law",
    "τα σημεία του μετώπου κύματος τη στιγμή της μπάρας": "the points of the wavefront at the moment on the bar",
    "το μέτωπο κύματος": "the wavefront",
    "το είδωλο κατά το λεπτό φακό": "the image by the thin lens",
    "οι εστίες του λεπτού φακού": "the focal points of the thin lens",
    "οι χαρακτηριστικές ακτίνες του λεπτού φακού": "the principal rays of the thin lens",
    "τα κύρια επίπεδα H1 και H2 του παχιού φακού": "the principal planes H1 and H2 of the thick lens",
    "οι εστίες F1 και F2 του παχιού φακού": "the focal points F1 and F2 of the thick lens",
    "τα κομβικά σημεία N1 και N2": "the nodal points N1 and N2",
    "οι χαρακτηριστικές ακτίνες του παχιού φακού": "the principal rays of the thick lens",
    "το είδωλο κατά τον παχύ φακό": "the image by the thick lens",
    "Ο χρόνος διαδρομής (F2)": "The travel time (F2)",
    "οι άξονες: ύψος εισόδου και χρόνος": "the axes: height of entry and time",
    "ο χρόνος κάθε διαδρομής ως προς το ύψος εισόδου": "the time of every path against the height of entry",
    "το ελάχιστο που βρίσκει η αναζήτηση": "the least the search finds",
    "το μπλε σημείο και ο χρόνος του": "the blue point and its time",
    "τα βήματα της αναζήτησης, αριθμημένα": "the steps of the search, numbered",
    "«PRINT»: τυπώνει τη σελίδα γυρισμένη κατά 180°, με τις κλίμακες μηκών κύματος στον αέρα και στο φακό· χωρίς εκτυπωτή γράφει PDF στα Έγγραφα. Ό,τι δείχνει η οθόνη σώζεται με «Αποθήκευση εικόνας…».": "«PRINT»: prints the page turned through 180°, with the scales of wavelengths in air and in the lens; without a printer it writes a PDF in Documents. What the screen shows is saved with «Save picture…».",
    "«▶» δίπλα στη μπάρα του χρόνου: το μέτωπο κύματος κινείται ως το τέλος της μπάρας σε περίπου τέσσερα δευτερόλεπτα· πατημένο ξανά («❚❚») σταματά. Το διάστημα στη μπάρα κάνει το ίδιο· Shift+διάστημα ή δεξί κλικ στο «▶» παίζει στο ένα τέταρτο της ταχύτητας, για εξήγηση.": "«▶» beside the time bar: the wavefront moves to the end of the bar in about four seconds; pressed again («❚❚») it pauses. Space on the bar does the same; Shift+Space or a right-click on «▶» plays at a quarter of the speed, for explaining.",
    "Τι γράφουν οι ετικέτες": "What the labels say",
    "«ψ κίτρινο»: το ύψος του κίτρινου σημείου στην πίσω επιφάνεια· «ψ blue»: το ύψος του μπλε σημείου στην μπροστινή.": "«ψ yellow»: the height of the yellow point on the rear surface; «ψ blue»: the height of the blue point on the front surface.",
    "«πρόσπτωσης» και «διάθλασης»: οι γωνίες της ακτίνας με την κάθετη στην επιφάνεια, σε μοίρες.": "«incidence» and «refraction»: the angles of the ray to the normal of the surface, in degrees.",
    "«δείκτης»: ο λόγος των ημιτόνων των δύο γωνιών, ο δείκτης διάθλασης που μετρήθηκε (2 γι’ αυτόν το φακό).": "«index»: the ratio of the sines of the two angles, the refractive index measured (2 for this lens).",
    "«χρόνος»: πόσο κάνει το φως από την πηγή ως το κίτρινο σημείο, με ταχύτητα 2 στον αέρα και 1 στο φακό.": "«time»: how long light takes from the source to the yellow point, at speed 2 in air and 1 in the lens.",
    "«ολική ανάκλαση» και «ορική»: η ακτίνα φτάνει στην πίσω επιφάνεια πιο λοξά από την ορική γωνία και μένει στο φακό.": "«total reflection» and «critical»: the ray meets the rear surface more obliquely than the critical angle and stays in the lens.",
    "«αριθμός σημείων»: πόσες ακτίνες έχει η δέσμη· «Χρονος»: η τιμή της μπάρας του χρόνου, μετρημένη από τη στιγμή που η πιο αργή ακτίνα φτάνει στην πίσω επιφάνεια.": "«number of points»: how many rays the beam has; «Time»: the value of the time bar, counted from the moment the slowest ray reaches the rear surface.",
    "Το μενού «☰», σκηνές και εικόνες": "The «☰» menu, scenes and pictures",
    "«☰» κάτω δεξιά: «Καθαρισμός» (Ctrl+L) αφήνει μόνο το φακό, «Πλήρης οθόνη» (F11, έξοδος με Esc) για τον προβολέα, «Έξοδος» (Ctrl+Q).": "«☰» at the bottom right: «Clear» (Ctrl+L) leaves only the lens, «Full screen» (F11, Esc to leave) for the projector, «Quit» (Ctrl+Q).",
    "«Αποθήκευση σκηνής…» (Ctrl+S) γράφει την πηγή, τις μπάρες και ό,τι σχεδιάστηκε σε αρχείο .kovril· «Άνοιγμα σκηνής…» (Ctrl+O) ξαναφτιάχνει την ίδια εικόνα, π.χ. στο επόμενο μάθημα.": "«Save scene…» (Ctrl+S) writes the source, the bars and what was drawn into a .kovril file; «Open scene…» (Ctrl+O) builds the same picture again, for example in the next lesson.",
    "«Αποθήκευση εικόνας…» (Ctrl+Shift+S) σώζει ό,τι δείχνει το παράθυρο ως PNG, SVG ή PDF· με «λευκό φόντο» για φύλλα εργασίας.": "«Save picture…» (Ctrl+Shift+S) saves what the window shows as PNG, SVG or PDF; with «white background» for worksheets.",
    "Το πληκτρολόγιο": "The keyboard",
    "Tab: από κουμπί σε κουμπί, μετά η πηγή, οι μπάρες και το μενού· Shift+Tab πίσω. Το διάστημα πατά το κουμπί.": "Tab: from button to button, then the source, the bars and the menu; Shift+Tab goes back. Space presses the button.",
    "Στην πηγή τα βέλη τη μετακινούν κατά μία μονάδα, με Shift κατά δέκα. Στις μπάρες: βέλη, Page Up και Page Down, Home και End.": "On the source the arrow keys move it by one unit, with Shift by ten. On the bars: the arrows, Page Up and Page Down, Home and End.",
    "F1 αυτή η βοήθεια (Esc την κλείνει), F2 ο χρόνος διαδρομής, F11 πλήρης οθόνη, Ctrl+Q έξοδος.": "F1 this help (Esc closes it), F2 the travel time, F11 full screen, Ctrl+Q quit.",
    "Μετακινήστε την πηγή ψηλά και κοντά στο φακό και πατήστε «Κύκλοι Huygens»: οι πάνω ακτίνες παγιδεύονται στο φακό (κόκκινες κουκκίδες) και δεν παίρνουν κύκλο.": "Move the source up and close to the lens and press «Huygens circles»: the top rays are trapped in the lens (red dots) and get no circle.",
}


def main(ts_path):
    text = Path(ts_path).read_text(encoding="utf-8")
    missing = []

    def fill(match):
        source = unescape(match.group(1), {"&apos;": "'", "&quot;": '"'})
        english = ENGLISH.get(source)
        if english is None:
            missing.append(source)
            return match.group(0)
        return "<source>%s</source>\n        <translation>%s</translation>" % (
            match.group(1), escape(english, {"'": "&apos;", '"': "&quot;"}))

    text = re.sub(r"<source>(.*?)</source>\s*<translation[^>]*>.*?</translation>", fill, text,
                  flags=re.S)
    Path(ts_path).write_text(text, encoding="utf-8")
    for source in missing:
        print("no English for: %r" % source)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "translations/kovril_en.ts"))

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="el">
<context>
    <name>Accessibility</name>
    <message>
        <source>Υπολόγισε θέση με Kovril</source>
        <translation>Find the point with Kovril</translation>
    </message>
    <message>
        <source>Βρίσκει στην μπροστινή επιφάνεια του φακού το σημείο από όπου το φως της πηγής φτάνει στο κίτρινο σημείο στον ελάχιστο χρόνο· γράφει τις γωνίες, το δείκτη διάθλασης και το χρόνο.</source>
        <translation>Finds the point of the lens&apos;s front surface through which light from the source reaches the yellow point in the least time; shows the angles, the refractive index and the time.</translation>
    </message>
    <message>
        <source>PRINT: εκτύπωση της εικόνας</source>
        <translation>PRINT: print the picture</translation>
    </message>
    <message>
        <source>Δέσμη ακτίνων</source>
        <translation>Beam of rays</translation>
    </message>
    <message>
        <source>Σχεδιάζει δέσμη ακτίνων από την πηγή μέσα από το φακό.</source>
        <translation>Draws a beam of rays from the source through the lens.</translation>
    </message>
    <message>
        <source>Συνέχιση ακτίνας μετά το φακό</source>
        <translation>Continue the ray past the lens</translation>
    </message>
    <message>
        <source>Συνεχίζει μετά το φακό την ακτίνα προς το κίτρινο σημείο, με την κατασκευή του Huygens.</source>
        <translation>Continues the ray towards the yellow point past the lens, by Huygens&apos;s construction.</translation>
    </message>
    <message>
        <source>Κύκλοι Huygens</source>
        <translation>Huygens circles</translation>
    </message>
    <message>
        <source>Σχεδιάζει τη δέσμη και τους κύκλους Huygens γύρω από τα σημεία όπου οι ακτίνες βγαίνουν από το φακό.</source>
        <translation>Draws the beam and the Huygens circles around the points where the rays leave the lens.</translation>
    </message>
    <message>
        <source>Συνέχιση δέσμης μετά το φακό</source>
        <translation>Continue the beam past the lens</translation>
    </message>
    <message>
        <source>Συνεχίζει όλη τη δέσμη μετά το φακό και δείχνει το μέτωπο κύματος τη στιγμή που ορίζει η μπάρα του χρόνου.</source>
        <translation>Continues the whole beam past the lens and shows the wavefront at the moment set on the time bar.</translation>
    </message>
    <message>
        <source>Πηγή φωτός</source>
        <translation>Light source</translation>
    </message>
    <message>
        <source>Κόκκινο σημείο· μετακινείται σύροντάς το με το ποντίκι ή με τα βέλη (με Shift δέκα μονάδες τη φορά).</source>
        <translation>Red point; move it by dragging it with the mouse or with the arrow keys (ten units at a time with Shift).</translation>
    </message>
    <message>
        <source>Αριθμός ακτίνων της δέσμης</source>
        <translation>Number of rays in the beam</translation>
    </message>
    <message>
        <source>Από 2 ως 100. Η αλλαγή σβήνει τις διαδρομές και ξανασχεδιάζει το φακό.</source>
        <translation>From 2 to 100. A change clears the paths and draws the lens again.</translation>
    </message>
    <message>
        <source>Ύψος του μπλε σημείου στην μπροστινή επιφάνεια</source>
        <translation>Height of the blue point on the front surface</translation>
    </message>
    <message>
        <source>Από 99 πάνω ως -99 κάτω. Δείχνει τη διαδρομή μέσα από το μπλε σημείο και το χρόνο της, για σύγκριση με τον ελάχιστο.</source>
        <translation>From 99 at the top to -99 at the bottom. Shows the path through the blue point and its time, to compare with the least.</translation>
    </message>
    <message>
        <source>Ύψος του κίτρινου σημείου στην πίσω επιφάνεια</source>
        <translation>Height of the yellow point on the rear surface</translation>
    </message>
    <message>
        <source>Από 99 πάνω ως -99 κάτω. Η αλλαγή σβήνει τις διαδρομές και ξανασχεδιάζει το φακό.</source>
        <translation>From 99 at the top to -99 at the bottom. A change clears the paths and draws the lens again.</translation>
    </message>
    <message>
        <source>Χρόνος του μετώπου κύματος</source>
        <translation>Time of the wavefront</translation>
    </message>
    <message>
        <source>Από 5 ως 100. Η αλλαγή ξανασχεδιάζει τη δέσμη μετά το φακό τη στιγμή που ορίζει.</source>
        <translation>From 5 to 100. A change draws the beam past the lens again at the moment it sets.</translation>
    </message>
    <message>
        <source>Ύψος του κίτρινου σημείου ή μήνυμα ολικής ανάκλασης</source>
        <translation>Height of the yellow point, or a total-reflection message</translation>
    </message>
    <message>
        <source>Χρόνος της διαδρομής</source>
        <translation>Travel time of the path</translation>
    </message>
    <message>
        <source>Γωνίες πρόσπτωσης και διάθλασης</source>
        <translation>Angles of incidence and refraction</translation>
    </message>
    <message>
        <source>Δείκτης διάθλασης που μετρήθηκε</source>
        <translation>Measured refractive index</translation>
    </message>
    <message>
        <source>Ύψος του μπλε σημείου</source>
        <translation>Height of the blue point</translation>
    </message>
    <message>
        <source>Μπλε σημείο στην μπροστινή επιφάνεια</source>
        <translation>Blue point on the front surface</translation>
    </message>
    <message>
        <source>Μετακινείται σύροντάς το με το ποντίκι ή με τη μπάρα του ύψους του.</source>
        <translation>Move it by dragging it with the mouse, or with its height bar.</translation>
    </message>
    <message>
        <source> Θέση: x = </source>
        <translation> Position: x = </translation>
    </message>
    <message>
        <source>Αναπαραγωγή</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Κινεί το μέτωπο κύματος ως το τέλος της μπάρας του χρόνου· με δεξί κλικ ή Shift+Space στη μπάρα, στο ένα τέταρτο της ταχύτητας.</source>
        <translation>Moves the wavefront to the end of the time bar; with a right-click, or Shift+Space on the bar, at a quarter of the speed.</translation>
    </message>
    <message>
        <source>Τυπώνει τη σελίδα γυρισμένη κατά 180°: το φακό, τη δέσμη και τα μέτωπα κύματος, με κλίμακες μηκών κύματος στον αέρα και στο φακό. Ό,τι δείχνει η οθόνη σώζεται με «%1» στο μενού «☰».</source>
        <translation>Prints the page turned through 180°: the lens, the beam and the wavefronts, with scales of wavelengths in air and in the lens. What the screen shows is saved with «%1» in the «☰» menu.</translation>
    </message>
    <message>
        <source>Αντικείμενο</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Βέλος πάνω στον άξονα. Τα βέλη αριστερά και δεξιά το μετακινούν, πάνω και κάτω αλλάζουν το ύψος του· με Shift δέκα φορές περισσότερο.</source>
        <translation>An arrow on the axis. The left and right arrow keys move it, up and down change its height; with Shift ten times as far.</translation>
    </message>
    <message>
        <source>Πρώτη άκρη του χάρακα</source>
        <translation>First end of the ruler</translation>
    </message>
    <message>
        <source>Δεύτερη άκρη του χάρακα</source>
        <translation>Second end of the ruler</translation>
    </message>
    <message>
        <source>Κορυφή του μοιρογνωμονίου</source>
        <translation>Vertex of the protractor</translation>
    </message>
    <message>
        <source>Πρώτο σκέλος του μοιρογνωμονίου</source>
        <translation>First arm of the protractor</translation>
    </message>
    <message>
        <source>Δεύτερο σκέλος του μοιρογνωμονίου</source>
        <translation>Second arm of the protractor</translation>
    </message>
    <message>
        <source>Μήκος του χάρακα</source>
        <translation>Length of the ruler</translation>
    </message>
    <message>
        <source>Γωνία του μοιρογνωμονίου</source>
        <translation>Angle of the protractor</translation>
    </message>
    <message>
        <source>Θέση: x = %1, y = %2.</source>
        <translation>Position: x = %1, y = %2.</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>ολική ανάκλαση   </source>
        <translation>total reflection   </translation>
    </message>
    <message>
        <source>  ορική = </source>
        <translation>  critical = </translation>
    </message>
    <message>
        <source>προσπτωσης =</source>
        <translation>incidence =</translation>
    </message>
    <message>
        <source> διάθλασης =</source>
        <translation> refraction =</translation>
    </message>
    <message>
        <source>δείκτης = </source>
        <translation>index = </translation>
    </message>
    <message>
        <source>πρόσπτωσης= </source>
        <translation>incidence= </translation>
    </message>
    <message>
        <source> διάθλασης= </source>
        <translation> refraction= </translation>
    </message>
    <message>
        <source>χρόνος = </source>
        <translation>time = </translation>
    </message>
    <message>
        <source>ψ blue = </source>
        <translation>ψ blue = </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Πορεία ακτίνων μέσα από αμφίκυρτο φακό με την αρχή του ελάχιστου χρόνου.</source>
        <translation>The path of rays through a biconvex lens by the principle of least time.</translation>
    </message>
    <message>
        <source>Δείχνει αυτή τη βοήθεια.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Δείχνει την έκδοση.</source>
        <translation>Shows the version.</translation>
    </message>
    <message>
        <source>Ξεκινά σε πλήρη οθόνη (για προβολέα).</source>
        <translation>Starts in full screen (for a projector).</translation>
    </message>
    <message>
        <source>Σώζει την εικόνα της σκηνής (.png, .svg ή .pdf) χωρίς παράθυρο.</source>
        <translation>Saves the scene&apos;s picture (.png, .svg or .pdf) without a window.</translation>
    </message>
    <message>
        <source>ΑΡΧΕΙΟ</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Μέγεθος παραθύρου για την εικόνα (1920x1080).</source>
        <translation>Window size for the picture (1920x1080).</translation>
    </message>
    <message>
        <source>ΠxΥ</source>
        <translation>WxH</translation>
    </message>
    <message>
        <source>Γλώσσα: el (ελληνικά) ή en (αγγλικά).</source>
        <translation>Language: el (Greek) or en (English).</translation>
    </message>
    <message>
        <source>ΣΚΗΝΗ</source>
        <translation>SCENE</translation>
    </message>
    <message>
        <source>Αρχείο σκηνής .kovril για άνοιγμα.</source>
        <translation>A .kovril scene file to open.</translation>
    </message>
    <message>
        <source>[ΣΚΗΝΗ]</source>
        <translation>[SCENE]</translation>
    </message>
    <message>
        <source>η εικόνα δεν αποθηκεύτηκε στο %1: %2</source>
        <translation>the picture was not saved to %1: %2</translation>
    </message>
    <message>
        <source>Λευκό φόντο στην εικόνα (για φύλλα εργασίας).</source>
        <translation>White background in the picture (for worksheets).</translation>
    </message>
    <message>
        <source>άγνωστη επιλογή: «%1»</source>
        <translation>unknown option: «%1»</translation>
    </message>
    <message>
        <source>η επιλογή --%1 δόθηκε δύο φορές</source>
        <translation>the option --%1 was given twice</translation>
    </message>
    <message>
        <source>άγνωστο όρισμα: «%1»</source>
        <translation>unknown argument: «%1»</translation>
    </message>
    <message>
        <source>η γλώσσα πρέπει να είναι el ή en: «%1»</source>
        <translation>the language must be el or en: «%1»</translation>
    </message>
    <message>
        <source>το μέγεθος πρέπει να είναι ΠxΥ, από 800x600 ως 7680x4320: «%1»</source>
        <translation>the size must be WxH, from 800x600 to 7680x4320: «%1»</translation>
    </message>
    <message>
        <source>η επιλογή --picture θέλει όνομα αρχείου</source>
        <translation>the option --picture needs a file name</translation>
    </message>
    <message>
        <source>δεν ετοιμάστηκε οθόνη για την εικόνα</source>
        <translation>no screen could be prepared for the picture</translation>
    </message>
    <message>
        <source>Γράφει το κείμενο κάθε ετικέτας της σκηνής, μία ανά γραμμή, χωρίς παράθυρο.</source>
        <translation>Writes the text of every label of the scene, one a line, without a window.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Βοήθεια</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Τι σημαίνει κάθε στοιχείο της εικόνας</source>
        <translation>What each element of the picture means</translation>
    </message>
    <message>
        <source>Τα κουμπιά, οι μπάρες και το σύρσιμο</source>
        <translation>The buttons, the scroll bars and dragging</translation>
    </message>
    <message>
        <source>«Υπολόγισε θέση»: βρίσκει το σημείο του φακού από όπου το φως φτάνει στο κίτρινο σημείο στον ελάχιστο χρόνο.</source>
        <translation>«Find the point»: finds the point of the lens through which light reaches the yellow point in the least time.</translation>
    </message>
    <message>
        <source>«Δέσμη ακτίνων» και «Κύκλοι Huygens»: δέσμη από την πηγή μέσα από το φακό, με ή χωρίς τους κύκλους στην έξοδο.</source>
        <translation>«Beam of rays» and «Huygens circles»: a beam from the source through the lens, with or without the circles where it leaves.</translation>
    </message>
    <message>
        <source>«Συνέχιση ακτίνας» και «Συνέχιση δέσμης»: οι ακτίνες μετά το φακό, με την κατασκευή του Huygens, και το μέτωπο κύματος.</source>
        <translation>«Continue the ray» and «Continue the beam»: the rays past the lens, by Huygens&apos;s construction, and the wavefront.</translation>
    </message>
    <message>
        <source>Η μπάρα δεξιά: το κίτρινο σημείο στην πίσω επιφάνεια. Οι μπάρες αριστερά: ο αριθμός των ακτίνων (στην άκρη) και το μπλε σημείο στην μπροστινή επιφάνεια. Η μπάρα κάτω: ο χρόνος του μετώπου κύματος.</source>
        <translation>The bar on the right: the yellow point on the rear surface. The bars on the left: the number of rays (at the edge) and the blue point on the front surface. The bar at the bottom: the time of the wavefront.</translation>
    </message>
    <message>
        <source>F2: ο χρόνος κάθε διαδρομής ως καμπύλη, με το ελάχιστο και το μπλε σημείο.</source>
        <translation>F2: the time of every path as a curve, with the least and the blue point.</translation>
    </message>
    <message>
        <source>Τρία πειράματα</source>
        <translation>Three experiments</translation>
    </message>
    <message>
        <source>Βρείτε με το χέρι τον ελάχιστο χρόνο με τη μπλε μπάρα, κοιτάζοντας το χρόνο· μετά πατήστε «Υπολόγισε θέση» και συγκρίνετε.</source>
        <translation>Find the least time by hand with the blue bar, watching the time; then press «Find the point» and compare.</translation>
    </message>
    <message>
        <source>Με «Συνέχιση δέσμης», σύρετε τη μπάρα του χρόνου και δείτε το μέτωπο κύματος να περνά από το είδωλο.</source>
        <translation>With «Continue the beam», drag the time bar and watch the wavefront pass the image point.</translation>
    </message>
    <message>
        <source>Ο χρόνος διαδρομής (F2)</source>
        <translation>The travel time (F2)</translation>
    </message>
    <message>
        <source>«PRINT»: τυπώνει τη σελίδα γυρισμένη κατά 180°, με τις κλίμακες μηκών κύματος στον αέρα και στο φακό· χωρίς εκτυπωτή γράφει PDF στα Έγγραφα. Ό,τι δείχνει η οθόνη σώζεται με «Αποθήκευση εικόνας…».</source>
        <translation>«PRINT»: prints the page turned through 180°, with the scales of wavelengths in air and in the lens; without a printer it writes a PDF in Documents. What the screen shows is saved with «Save picture…».</translation>
    </message>
    <message>
        <source>«▶» δίπλα στη μπάρα του χρόνου: το μέτωπο κύματος κινείται ως το τέλος της μπάρας σε περίπου τέσσερα δευτερόλεπτα· πατημένο ξανά («❚❚») σταματά. Το διάστημα στη μπάρα κάνει το ίδιο· Shift+διάστημα ή δεξί κλικ στο «▶» παίζει στο ένα τέταρτο της ταχύτητας, για εξήγηση.</source>
        <translation>«▶» beside the time bar: the wavefront moves to the end of the bar in about four seconds; pressed again («❚❚») it pauses. Space on the bar does the same; Shift+Space or a right-click on «▶» plays at a quarter of the speed, for explaining.</translation>
    </message>
    <message>
        <source>Τι γράφουν οι ετικέτες</source>
        <translation>What the labels say</translation>
    </message>
    <message>
        <source>«ψ κίτρινο»: το ύψος του κίτρινου σημείου στην πίσω επιφάνεια· «ψ blue»: το ύψος του μπλε σημείου στην μπροστινή.</source>
        <translation>«ψ yellow»: the height of the yellow point on the rear surface; «ψ blue»: the height of the blue point on the front surface.</translation>
    </message>
    <message>
        <source>«πρόσπτωσης» και «διάθλασης»: οι γωνίες της ακτίνας με την κάθετη στην επιφάνεια, σε μοίρες.</source>
        <translation>«incidence» and «refraction»: the angles of the ray to the normal of the surface, in degrees.</translation>
    </message>
    <message>
        <source>«δείκτης»: ο λόγος των ημιτόνων των δύο γωνιών, ο δείκτης διάθλασης που μετρήθηκε (2 γι’ αυτόν το φακό).</source>
        <translation>«index»: the ratio of the sines of the two angles, the refractive index measured (2 for this lens).</translation>
    </message>
    <message>
        <source>«χρόνος»: πόσο κάνει το φως από την πηγή ως το κίτρινο σημείο, με ταχύτητα 2 στον αέρα και 1 στο φακό.</source>
        <translation>«time»: how long light takes from the source to the yellow point, at speed 2 in air and 1 in the lens.</translation>
    </message>
    <message>
        <source>«ολική ανάκλαση» και «ορική»: η ακτίνα φτάνει στην πίσω επιφάνεια πιο λοξά από την ορική γωνία και μένει στο φακό.</source>
        <translation>«total reflection» and «critical»: the ray meets the rear surface more obliquely than the critical angle and stays in the lens.</translation>
    </message>
    <message>
        <source>«αριθμός σημείων»: πόσες ακτίνες έχει η δέσμη· «Χρονος»: η τιμή της μπάρας του χρόνου, μετρημένη από τη στιγμή που η πιο αργή ακτίνα φτάνει στην πίσω επιφάνεια.</source>
        <translation>«number of points»: how many rays the beam has; «Time»: the value of the time bar, counted from the moment the slowest ray reaches the rear surface.</translation>
    </message>
    <message>
        <source>Το μενού «☰», σκηνές και εικόνες</source>
        <translation>The «☰» menu, scenes and pictures</translation>
    </message>
    <message>
        <source>«☰» κάτω δεξιά: «Καθαρισμός» (Ctrl+L) αφήνει μόνο το φακό, «Πλήρης οθόνη» (F11, έξοδος με Esc) για τον προβολέα, «Έξοδος» (Ctrl+Q).</source>
        <translation>«☰» at the bottom right: «Clear» (Ctrl+L) leaves only the lens, «Full screen» (F11, Esc to leave) for the projector, «Quit» (Ctrl+Q).</translation>
    </message>
    <message>
        <source>«Αποθήκευση σκηνής…» (Ctrl+S) γράφει την πηγή, τις μπάρες και ό,τι σχεδιάστηκε σε αρχείο .kovril· «Άνοιγμα σκηνής…» (Ctrl+O) ξαναφτιάχνει την ίδια εικόνα, π.χ. στο επόμενο μάθημα.</source>
        <translation>«Save scene…» (Ctrl+S) writes the source, the bars and what was drawn into a .kovril file; «Open scene…» (Ctrl+O) builds the same picture again, for example in the next lesson.</translation>
    </message>
    <message>
        <source>«Αποθήκευση εικόνας…» (Ctrl+Shift+S) σώζει ό,τι δείχνει το παράθυρο ως PNG, SVG ή PDF· με «λευκό φόντο» για φύλλα εργασίας.</source>
        <translation>«Save picture…» (Ctrl+Shift+S) saves what the window shows as PNG, SVG or PDF; with «white background» for worksheets.</translation>
    </message>
    <message>
        <source>Το πληκτρολόγιο</source>
        <translation>The keyboard</translation>
    </message>
    <message>
        <source>Tab: από κουμπί σε κουμπί, μετά η πηγή, οι μπάρες και το μενού· Shift+Tab πίσω. Το διάστημα πατά το κουμπί.</source>
        <translation>Tab: from button to button, then the source, the bars and the menu; Shift+Tab goes back. Space presses the button.</translation>
    </message>
    <message>
        <source>Στην πηγή τα βέλη τη μετακινούν κατά μία μονάδα, με Shift κατά δέκα. Στις μπάρες: βέλη, Page Up και Page Down, Home και End.</source>
        <translation>On the source the arrow keys move it by one unit, with Shift by ten. On the bars: the arrows, Page Up and Page Down, Home and End.</translation>
    </message>
    <message>
        <source>Μετακινήστε την πηγή ψηλά και κοντά στο φακό και πατήστε «Κύκλοι Huygens»: οι πάνω ακτίνες παγιδεύονται στο φακό (κόκκινες κουκκίδες) και δεν παίρνουν κύκλο.</source>
        <translation>Move the source up and close to the lens and press «Huygens circles»: the top rays are trapped in the lens (red dots) and get no circle.</translation>
    </message>
    <message>
        <source>«Αναίρεση» (Ctrl+Z) γυρίζει την εικόνα, τις μπάρες και τα σημεία ένα βήμα πίσω, ως 500 βήματα· «Επανάληψη» (Ctrl+Shift+Z ή Ctrl+Y) τα ξαναφέρνει.</source>
        <translation>«Undo» (Ctrl+Z) takes the picture, the scroll bars and the points one step back, up to 500 steps; «Redo» (Ctrl+Shift+Z or Ctrl+Y) brings them back.</translation>
    </message>
    <message>
        <source>F3, «Φακός»: ο δείκτης (ή ένα υλικό), οι ακτίνες των δύο επιφανειών (θετική κυρτή, αρνητική κοίλη, 0 επίπεδη), το πάχος και το άνοιγμα· η εικόνα ξανασχεδιάζεται με το νέο φακό. «Ο αρχικός φακός» φέρνει πίσω το φακό της εκκίνησης.</source>
        <translation>F3, «Lens»: the index (or a material), the radii of the two faces (positive convex, negative concave, 0 flat), the thickness and the aperture; the picture is drawn again with the new lens. «The start-up lens» brings back the lens the program starts with.</translation>
    </message>
    <message>
        <source>F1 αυτή η βοήθεια (Esc την κλείνει), F2 ο χρόνος διαδρομής, F3 ο φακός, F11 πλήρης οθόνη, Ctrl+Q έξοδος.</source>
        <translation>F1 this help (Esc closes it), F2 the travel time, F3 the lens, F11 full screen, Ctrl+Q quit.</translation>
    </message>
    <message>
        <source>Το αντικείμενο και το είδωλό του</source>
        <translation>The object and its image</translation>
    </message>
    <message>
        <source>«Αντικείμενο» στο μενού «☰»: ένα βέλος πάνω στον άξονα, αριστερά του φακού. Σύρετε το πόδι του κατά μήκος του άξονα ή την κορυφή του για το ύψος· με Tab μετά την πηγή, τα βέλη το μετακινούν (Shift: δέκα φορές περισσότερο).</source>
        <translation>«Object» in the «☰» menu: an arrow on the axis, left of the lens. Drag its foot along the axis, or its tip for the height; reached with Tab after the source, the arrow keys move it (Shift: ten times as far).</translation>
    </message>
    <message>
        <source>Πορτοκαλί: ακτίνες ελάχιστου χρόνου από την κορυφή, μέσα από τον πραγματικό φακό. Όπου συναντιούνται οι ακτίνες κοντά στον άξονα είναι το είδωλο· αν αποκλίνουν, οι διακεκομμένες προεκτάσεις τους προς τα πίσω δείχνουν το φανταστικό είδωλο. Οι τελείες, όπου συναντιούνται γειτονικές ακτίνες, απλώνονται: η σφαιρική εκτροπή.</source>
        <translation>Orange: least-time rays from the tip, through the real lens. Where the rays near the axis meet is the image; if they diverge, their dashed extensions backwards show the virtual image. The dots, where neighbouring rays meet, spread out: the spherical aberration.</translation>
    </message>
    <message>
        <source>Κυανό: η εξίσωση του παχιού φακού, με τις εστίες F και F′, τα κύρια επίπεδα H και H′ και τις τρεις χαρακτηριστικές ακτίνες· μωβ βέλος το είδωλο (διακεκομμένο αν είναι φανταστικό).</source>
        <translation>Teal: the thick-lens equation, with the focal points F and F′, the principal planes H and H′ and the three principal rays; the purple arrow is the image (dashed if virtual).</translation>
    </message>
    <message>
        <source>Οι ετικέτες κάτω δεξιά: f από το H′ ως το F′, s από το αντικείμενο ως το H, s′ από το H′ ως το είδωλο (αρνητικό για φανταστικό), m = −s′/s, ο έλεγχος 1/s + 1/s′ = 1/f και το s′ των ακτίνων ελάχιστου χρόνου δίπλα στο s′ της εξίσωσης. Στην εστία δεν σχηματίζεται είδωλο.</source>
        <translation>The labels at the bottom right: f from H′ to F′, s from the object to H, s′ from H′ to the image (negative for a virtual one), m = −s′/s, the check 1/s + 1/s′ = 1/f, and the s′ of the least-time rays beside the equation&apos;s. At the focal point no image forms.</translation>
    </message>
    <message>
        <source>Μέτρηση: ο χάρακας και το μοιρογνωμόνιο</source>
        <translation>Measuring: the ruler and the protractor</translation>
    </message>
    <message>
        <source>«Χάρακας» στο μενού «☰»: σύρετε τις δύο άκρες του· δίπλα γράφεται το μήκος του σε μονάδες της σκηνής.</source>
        <translation>«Ruler» in the «☰» menu: drag its two ends; its length in scene units is written beside it.</translation>
    </message>
    <message>
        <source>«Μοιρογνωμόνιο»: μια κορυφή και δύο σκέλη· δίπλα στην κορυφή γράφεται η γωνία ανάμεσα στα σκέλη, σε μοίρες.</source>
        <translation>«Protractor»: a vertex and two arms; the angle between the arms, in degrees, is written beside the vertex.</translation>
    </message>
    <message>
        <source>Μια άκρη που αφήνεται λίγα pixel από ένα σημείο της εικόνας πέφτει ακριβώς πάνω του: η πηγή, το μπλε σημείο (το σημείο ελάχιστου χρόνου μετά το «Υπολόγισε θέση»), το κίτρινο σημείο, οι εστίες F1 και F2 και τα κύρια σημεία H1 και H2 του φακού, και όταν δεν είναι σχεδιασμένα.</source>
        <translation>An end dropped a few pixels from a point of the picture lands exactly on it: the source, the blue point (the least-time point after «Find the point»), the yellow point, the focal points F1 and F2 and the principal points H1 and H2 of the lens, even when they are not drawn.</translation>
    </message>
    <message>
        <source>Με Tab οι άκρες έρχονται μετά την πηγή· τα βέλη τις μετακινούν κατά μία μονάδα, με Shift κατά δέκα, και ένα βήμα προς ένα σημείο σταματά πάνω του. Κάθε μετακίνηση αναιρείται με Ctrl+Z· οι σκηνές και οι εικόνες κρατούν τα όργανα.</source>
        <translation>Tab reaches the ends after the source; the arrow keys move them by one unit, by ten with Shift, and a step towards a point stops on it. Ctrl+Z undoes every move; scenes and pictures keep the tools.</translation>
    </message>
    <message>
        <source>Άνοιγμα του μαθήματος</source>
        <translation>Open the lesson</translation>
    </message>
    <message>
        <source>Σύρετε την κόκκινη πηγή ή το μπλε σημείο με το ποντίκι· η πηγή κινείται και με τα βέλη. Όταν η εικόνα δείχνει μια διαδρομή, η διαδρομή ακολουθεί το σύρσιμο, και το κίτρινο σημείο όταν σύρετε τη μπάρα του.</source>
        <translation>Drag the red source or the blue point with the mouse; the source also moves with the arrow keys. When the picture shows a path, the path follows the drag, and the yellow point when you drag its bar.</translation>
    </message>
    <message>
        <source>«Αρχή μαθήματος»: ο αρχικός φακός, η πηγή στο (−200, 50) και άδειες ετικέτες, ίδια σε κάθε οθόνη. «Μαθήματα»: έτοιμες σκηνές, με μια γραμμή για το τι να δείτε.</source>
        <translation>«Start of lesson»: the start-up lens, the source at (−200, 50) and empty labels, the same on every screen. «Lessons»: ready scenes, with a line on what to look at.</translation>
    </message>
    <message>
        <source>«Εμφάνιση»: κρύβει ή δείχνει τις κάθετες, τους κύκλους Huygens, τα κύρια σημεία, τα μέτωπα κύματος και τις ακτίνες της δέσμης· «Βέλη κατεύθυνσης» δείχνει προς τα πού πάει το φως.</source>
        <translation>«Show»: hides or shows the normals, the Huygens circles, the cardinal points, the wavefronts and the beam&apos;s rays; «Direction arrows» shows which way the light goes.</translation>
    </message>
</context>
<context>
    <name>Json</name>
    <message>
        <source>περισσεύει κείμενο μετά το τέλος</source>
        <translation>text is left over after the end</translation>
    </message>
    <message>
        <source>%1 (στο byte %2)</source>
        <translation>%1 (at byte %2)</translation>
    </message>
    <message>
        <source>περίμενα «%1»</source>
        <translation>expected «%1»</translation>
    </message>
    <message>
        <source>το κείμενο κόβεται πριν τελειώσει</source>
        <translation>the text is cut off before its end</translation>
    </message>
    <message>
        <source>πάρα πολλά εμφωλευμένα επίπεδα</source>
        <translation>too many nested levels</translation>
    </message>
    <message>
        <source>περίμενα όνομα πεδίου</source>
        <translation>expected a field name</translation>
    </message>
    <message>
        <source>το ίδιο πεδίο δύο φορές</source>
        <translation>the same field twice</translation>
    </message>
    <message>
        <source>χαρακτήρας ελέγχου μέσα σε κείμενο</source>
        <translation>a control character inside a text</translation>
    </message>
    <message>
        <source>άγνωστη διαφυγή σε κείμενο</source>
        <translation>an unknown escape in a text</translation>
    </message>
    <message>
        <source>άγνωστη λέξη</source>
        <translation>an unknown word</translation>
    </message>
    <message>
        <source>μη έγκυρη τιμή</source>
        <translation>not a valid value</translation>
    </message>
    <message>
        <source>αριθμός χωρίς δεκαδικά ψηφία</source>
        <translation>a number without decimal digits</translation>
    </message>
    <message>
        <source>αριθμός χωρίς εκθέτη</source>
        <translation>a number without an exponent</translation>
    </message>
    <message>
        <source>ο αριθμός %1 είναι εκτός των ορίων</source>
        <translation>the number %1 is out of range</translation>
    </message>
</context>
<context>
    <name>Kovril</name>
    <message>
        <source>Η εικόνα έχει ήδη πάρα πολλά σχέδια. Καθαρίστε την (Ctrl+L) και σχεδιάστε ξανά.</source>
        <translation>The picture already holds too many drawings. Clear it (Ctrl+L) and draw again.</translation>
    </message>
    <message>
        <source>Η σκηνή δεν αποθηκεύτηκε στο αρχείο %1: %2. Ό,τι υπήρχε ήδη εκεί έμεινε όπως ήταν· δοκιμάστε άλλο φάκελο ή όνομα.</source>
        <translation>The scene was not saved to the file %1: %2. What was there already is as it was; try another folder or name.</translation>
    </message>
    <message>
        <source>Η εικόνα δεν αποθηκεύτηκε στο αρχείο %1: %2. Δοκιμάστε άλλο φάκελο ή όνομα.</source>
        <translation>The picture was not saved to the file %1: %2. Try another folder or name.</translation>
    </message>
    <message>
        <source>Το αρχείο %1 δεν άνοιξε: %2. Η εικόνα έμεινε όπως ήταν.</source>
        <translation>The file %1 did not open: %2. The picture is as it was.</translation>
    </message>
    <message>
        <source>Η σκηνή έχει αλλαγές που δεν αποθηκεύτηκαν. Να αποθηκευτούν;</source>
        <translation>The scene has changes that were not saved. Save them?</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>ο οπτικός άξονας</source>
        <translation>the optical axis</translation>
    </message>
    <message>
        <source>οι επιφάνειες του φακού και τα κέντρα καμπυλότητας</source>
        <translation>the surfaces of the lens and the centres of curvature</translation>
    </message>
    <message>
        <source>το γυαλί του φακού</source>
        <translation>the glass of the lens</translation>
    </message>
    <message>
        <source>το κίτρινο σημείο στην πίσω επιφάνεια</source>
        <translation>the yellow point on the rear surface</translation>
    </message>
    <message>
        <source>το περίγραμμα του κίτρινου σημείου</source>
        <translation>the outline of the yellow point</translation>
    </message>
    <message>
        <source>τα άκρα του φακού</source>
        <translation>the rims of the lens</translation>
    </message>
    <message>
        <source>οι διαδρομές πηγή → μπροστινή επιφάνεια → πίσω επιφάνεια</source>
        <translation>the paths source → front surface → rear surface</translation>
    </message>
    <message>
        <source>η κάθετος στο σημείο ελάχιστου χρόνου</source>
        <translation>the normal at the point of least time</translation>
    </message>
    <message>
        <source>τα σημεία όπου οι ακτίνες της δέσμης φτάνουν στην πίσω επιφάνεια</source>
        <translation>the points where the rays of the beam reach the rear surface</translation>
    </message>
    <message>
        <source>ολική ανάκλαση: η ακτίνα δεν βγαίνει από το φακό</source>
        <translation>total reflection: the ray does not leave the lens</translation>
    </message>
    <message>
        <source>κύκλοι Huygens γύρω από τα σημεία εξόδου</source>
        <translation>Huygens circles around the exit points</translation>
    </message>
    <message>
        <source>κατασκευή Huygens: η διαδρομή προς το σημείο εξόδου</source>
        <translation>Huygens&apos;s construction: the path to the exit point</translation>
    </message>
    <message>
        <source>κατασκευή Huygens: η γειτονική διαδρομή από πάνω και ο κύκλος της</source>
        <translation>Huygens&apos;s construction: the neighbouring path above and its circle</translation>
    </message>
    <message>
        <source>κατασκευή Huygens: ο κύκλος της γειτονικής διαδρομής από κάτω</source>
        <translation>Huygens&apos;s construction: the circle of the neighbouring path below</translation>
    </message>
    <message>
        <source>η κάθετος της πίσω επιφάνειας στο σημείο εξόδου</source>
        <translation>the normal of the rear surface at the exit point</translation>
    </message>
    <message>
        <source>η ακτίνα μετά το φακό</source>
        <translation>the ray past the lens</translation>
    </message>
    <message>
        <source>η ακτίνα μετά το φακό, στη σελίδα</source>
        <translation>the ray past the lens, on the page</translation>
    </message>
    <message>
        <source>η διάθλαση στην έξοδο κατά το νόμο του Snell</source>
        <translation>the refraction at the exit by Snell&apos;s law</translation>
    </message>
    <message>
        <source>τα σημεία του μετώπου κύματος τη στιγμή της μπάρας</source>
        <translation>the points of the wavefront at the moment on the bar</translation>
    </message>
    <message>
        <source>το μέτωπο κύματος</source>
        <translation>the wavefront</translation>
    </message>
    <message>
        <source>το είδωλο κατά το λεπτό φακό</source>
        <translation>the image by the thin lens</translation>
    </message>
    <message>
        <source>οι εστίες του λεπτού φακού</source>
        <translation>the focal points of the thin lens</translation>
    </message>
    <message>
        <source>οι χαρακτηριστικές ακτίνες του λεπτού φακού</source>
        <translation>the principal rays of the thin lens</translation>
    </message>
    <message>
        <source>τα κύρια επίπεδα H1 και H2 του παχιού φακού</source>
        <translation>the principal planes H1 and H2 of the thick lens</translation>
    </message>
    <message>
        <source>οι εστίες F1 και F2 του παχιού φακού</source>
        <translation>the focal points F1 and F2 of the thick lens</translation>
    </message>
    <message>
        <source>τα κομβικά σημεία N1 και N2</source>
        <translation>the nodal points N1 and N2</translation>
    </message>
    <message>
        <source>οι χαρακτηριστικές ακτίνες του παχιού φακού</source>
        <translation>the principal rays of the thick lens</translation>
    </message>
    <message>
        <source>το είδωλο κατά τον παχύ φακό</source>
        <translation>the image by the thick lens</translation>
    </message>
    <message>
        <source>οι άξονες: ύψος εισόδου και χρόνος</source>
        <translation>the axes: height of entry and time</translation>
    </message>
    <message>
        <source>ο χρόνος κάθε διαδρομής ως προς το ύψος εισόδου</source>
        <translation>the time of every path against the height of entry</translation>
    </message>
    <message>
        <source>το ελάχιστο που βρίσκει η αναζήτηση</source>
        <translation>the least the search finds</translation>
    </message>
    <message>
        <source>το μπλε σημείο και ο χρόνος του</source>
        <translation>the blue point and its time</translation>
    </message>
    <message>
        <source>τα βήματα της αναζήτησης, αριθμημένα</source>
        <translation>the steps of the search, numbered</translation>
    </message>
    <message>
        <source>το αντικείμενο</source>
        <translation>the object</translation>
    </message>
    <message>
        <source>το πραγματικό είδωλο κατά την εξίσωση του φακού</source>
        <translation>the real image by the lens equation</translation>
    </message>
    <message>
        <source>το φανταστικό είδωλο κατά την εξίσωση του φακού</source>
        <translation>the virtual image by the lens equation</translation>
    </message>
    <message>
        <source>οι ακτίνες ελάχιστου χρόνου από την κορυφή του αντικειμένου</source>
        <translation>the least-time rays from the tip of the object</translation>
    </message>
    <message>
        <source>οι προεκτάσεις τους προς τα πίσω, ως το φανταστικό είδωλο</source>
        <translation>their extensions backwards, to the virtual image</translation>
    </message>
    <message>
        <source>όπου συναντιούνται γειτονικές ακτίνες: η σφαιρική εκτροπή</source>
        <translation>where neighbouring rays meet: the spherical aberration</translation>
    </message>
    <message>
        <source>οι εστίες F και F′ για το αντικείμενο</source>
        <translation>the focal points F and F′ for the object</translation>
    </message>
    <message>
        <source>τα κύρια επίπεδα H και H′ για το αντικείμενο</source>
        <translation>the principal planes H and H′ for the object</translation>
    </message>
    <message>
        <source>οι τρεις χαρακτηριστικές ακτίνες από την κορυφή του αντικειμένου</source>
        <translation>the three principal rays from the tip of the object</translation>
    </message>
    <message>
        <source>οι προεκτάσεις τους προς τα πίσω</source>
        <translation>their extensions backwards</translation>
    </message>
    <message>
        <source>ο χάρακας, με μια γραμμή κάθε 10 μονάδες</source>
        <translation>the ruler, with a tick every 10 units</translation>
    </message>
    <message>
        <source>οι άκρες του χάρακα</source>
        <translation>the ends of the ruler</translation>
    </message>
    <message>
        <source>το μοιρογνωμόνιο: τα σκέλη και το τόξο της γωνίας</source>
        <translation>the protractor: its arms and the arc of the angle</translation>
    </message>
    <message>
        <source>η κορυφή και οι άκρες των σκελών του μοιρογνωμονίου</source>
        <translation>the vertex of the protractor and the ends of its arms</translation>
    </message>
    <message>
        <source>βέλη κατεύθυνσης: προς τα πού ταξιδεύει το φως</source>
        <translation>direction arrows: the way light travels</translation>
    </message>
</context>
<context>
    <name>Lens</name>
    <message>
        <source>νερό</source>
        <translation>water</translation>
    </message>
    <message>
        <source>στεφανύαλος</source>
        <translation>crown glass</translation>
    </message>
    <message>
        <source>πυριτύαλος</source>
        <translation>flint glass</translation>
    </message>
    <message>
        <source>διαμάντι</source>
        <translation>diamond</translation>
    </message>
    <message>
        <source>ο φακός του Kovril</source>
        <translation>Kovril&apos;s own</translation>
    </message>
    <message>
        <source>αμφίκυρτος</source>
        <translation>biconvex</translation>
    </message>
    <message>
        <source>επιπεδόκυρτος</source>
        <translation>plano-convex</translation>
    </message>
    <message>
        <source>κυρτόκοιλος μηνίσκος</source>
        <translation>convex-concave meniscus</translation>
    </message>
    <message>
        <source>αμφίκοιλος</source>
        <translation>biconcave</translation>
    </message>
    <message>
        <source>επιπεδόκοιλος</source>
        <translation>plano-concave</translation>
    </message>
    <message>
        <source>οι δύο επιφάνειες τέμνονται πάνω στον άξονα: το πάχος πρέπει να είναι θετικό</source>
        <translation>the two faces cross on the axis: the thickness must be positive</translation>
    </message>
    <message>
        <source>το άνοιγμα πρέπει να είναι θετικό</source>
        <translation>the aperture must be positive</translation>
    </message>
    <message>
        <source>η ακτίνα της μπροστινής επιφάνειας είναι μικρότερη από το άνοιγμα</source>
        <translation>the radius of the front face is smaller than the aperture</translation>
    </message>
    <message>
        <source>η ακτίνα της πίσω επιφάνειας είναι μικρότερη από το άνοιγμα</source>
        <translation>the radius of the rear face is smaller than the aperture</translation>
    </message>
    <message>
        <source>οι δύο επιφάνειες τέμνονται πριν από το χείλος, στο ύψος %1</source>
        <translation>the two faces cross before the rim, at height %1</translation>
    </message>
    <message>
        <source>ο δείκτης πρέπει να είναι θετικός</source>
        <translation>the index must be positive</translation>
    </message>
    <message>
        <source>ο δείκτης πρέπει να είναι από 1 ως 3</source>
        <translation>the index must be from 1 to 3</translation>
    </message>
    <message>
        <source>Φακός</source>
        <translation>Lens</translation>
    </message>
    <message>
        <source>Υλικό του φακού</source>
        <translation>Material of the lens</translation>
    </message>
    <message>
        <source>Δείκτης διάθλασης</source>
        <translation>Refractive index</translation>
    </message>
    <message>
        <source>Σχήμα του φακού</source>
        <translation>Shape of the lens</translation>
    </message>
    <message>
        <source>Ακτίνα μπροστινής επιφάνειας</source>
        <translation>Radius of the front face</translation>
    </message>
    <message>
        <source>Ακτίνα πίσω επιφάνειας</source>
        <translation>Radius of the rear face</translation>
    </message>
    <message>
        <source>Πάχος στον άξονα</source>
        <translation>Thickness on the axis</translation>
    </message>
    <message>
        <source>Μισό ύψος του χείλους</source>
        <translation>Half-height of the rim</translation>
    </message>
    <message>
        <source>Ο αρχικός φακός</source>
        <translation>The start-up lens</translation>
    </message>
    <message>
        <source>Μήνυμα του φακού</source>
        <translation>Lens message</translation>
    </message>
    <message>
        <source>Υλικό</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Δείκτης</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Σχήμα</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Ακτίνα μπροστά</source>
        <translation>Front radius</translation>
    </message>
    <message>
        <source>Ακτίνα πίσω</source>
        <translation>Rear radius</translation>
    </message>
    <message>
        <source>Πάχος</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Άνοιγμα (μισό ύψος)</source>
        <translation>Aperture (half-height)</translation>
    </message>
    <message>
        <source>Θετική ακτίνα: κυρτή επιφάνεια· αρνητική: κοίλη· 0: επίπεδη.</source>
        <translation>Positive radius: convex face; negative: concave; 0: flat.</translation>
    </message>
    <message>
        <source>Οι επιφάνειες αυτού του σχήματος τέμνονται στο ύψος %1· το άνοιγμα μίκρυνε ως εκεί.</source>
        <translation>The faces of this shape meet at height %1; the aperture shrank to there.</translation>
    </message>
    <message>
        <source>Δεν είναι φακός: %1. Ο φακός έμεινε όπως ήταν.</source>
        <translation>Not a lens: %1. The lens stayed as it was.</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>Ο ελάχιστος χρόνος</source>
        <translation>The least time</translation>
    </message>
    <message>
        <source>Σύρετε τη μπλε μπάρα και δείτε το χρόνο: το Kovril βρήκε το σημείο του ελάχιστου χρόνου.</source>
        <translation>Drag the blue bar and watch the time: Kovril has found the point of least time.</translation>
    </message>
    <message>
        <source>Ακτίνες παγιδευμένες</source>
        <translation>Trapped rays</translation>
    </message>
    <message>
        <source>Το μέτωπο κύματος</source>
        <translation>The wavefront</translation>
    </message>
    <message>
        <source>Σύρετε τη μπάρα του χρόνου: το μέτωπο κύματος περνά από το είδωλο.</source>
        <translation>Drag the time bar: the wavefront passes through the image.</translation>
    </message>
    <message>
        <source>Πηγή στο 2F</source>
        <translation>Source at 2F</translation>
    </message>
    <message>
        <source>Οι ακτίνες συναντιούνται κοντά στο 2F′, όσο μακριά πίσω από το φακό όσο η πηγή μπροστά του.</source>
        <translation>The rays meet near 2F′, as far behind the lens as the source is in front of it.</translation>
    </message>
    <message>
        <source>Πηγή στην εστία F</source>
        <translation>Source at the focal point F</translation>
    </message>
    <message>
        <source>Μετά το φακό οι ακτίνες βγαίνουν σχεδόν παράλληλες: το είδωλο είναι πολύ μακριά.</source>
        <translation>After the lens the rays leave almost parallel: the image is very far away.</translation>
    </message>
    <message>
        <source>Πηγή μέσα στην εστία</source>
        <translation>Source inside the focal length</translation>
    </message>
    <message>
        <source>Η δέσμη αποκλίνει μετά το φακό: το είδωλο είναι φανταστικό, από την πλευρά της πηγής.</source>
        <translation>The beam diverges after the lens: the image is virtual, on the source&apos;s side.</translation>
    </message>
    <message>
        <source>Επιπεδόκυρτος φακός</source>
        <translation>Plano-convex lens</translation>
    </message>
    <message>
        <source>Αποκλίνων φακός</source>
        <translation>Diverging lens</translation>
    </message>
    <message>
        <source>Αμφίκοιλος φακός: η δέσμη αποκλίνει μετά το φακό και οι εστίες αλλάζουν πλευρά.</source>
        <translation>A biconcave lens: the beam diverges after the lens and the focal points change sides.</translation>
    </message>
    <message>
        <source>Τι να δείτε</source>
        <translation>What to look at</translation>
    </message>
    <message>
        <source>Μαθήματα</source>
        <translation>Lessons</translation>
    </message>
    <message>
        <source>Επίπεδη μπροστά, δείκτης 1,5: εστιακή απόσταση 360, οπότε η πηγή στα 200 είναι μέσα στην εστία και η δέσμη αποκλίνει.</source>
        <translation>Flat in front, index 1.5: focal length 360, so the source at 200 is inside the focal point and the beam diverges.</translation>
    </message>
    <message>
        <source>Οι πάνω ακτίνες παθαίνουν ολική ανάκλαση μέσα στο φακό (κόκκινες κουκκίδες): δεν παίρνουν κύκλο και η ετικέτα γράφει «ολική ανάκλαση».</source>
        <translation>The upper rays are totally reflected inside the lens (red dots): they get no circle, and the label reads «total reflection».</translation>
    </message>
</context>
<context>
    <name>Measuring</name>
    <message>
        <source>μήκος %1</source>
        <translation>length %1</translation>
    </message>
    <message>
        <source>γωνία %1°</source>
        <translation>angle %1°</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Μενού</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Καθαρισμός, σκηνές και εικόνες σε αρχεία, πλήρης οθόνη και έξοδος.</source>
        <translation>Clear, scenes and pictures in files, full screen and quit.</translation>
    </message>
    <message>
        <source>Καθαρισμός</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Άνοιγμα σκηνής…</source>
        <translation>Open scene…</translation>
    </message>
    <message>
        <source>Αποθήκευση σκηνής…</source>
        <translation>Save scene…</translation>
    </message>
    <message>
        <source>Αποθήκευση εικόνας…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>λευκό φόντο</source>
        <translation>white background</translation>
    </message>
    <message>
        <source>Πλήρης οθόνη</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Έξοδος</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Χρόνος διαδρομής</source>
        <translation>Travel time</translation>
    </message>
    <message>
        <source>Βοήθεια</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Αναίρεση</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Επανάληψη</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Φακός</source>
        <translation>Lens</translation>
    </message>
    <message>
        <source>Αντικείμενο</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Χάρακας</source>
        <translation>Ruler</translation>
    </message>
    <message>
        <source>Μοιρογνωμόνιο</source>
        <translation>Protractor</translation>
    </message>
    <message>
        <source>Αρχή μαθήματος</source>
        <translation>Start of lesson</translation>
    </message>
    <message>
        <source>Κάθετες στις επιφάνειες</source>
        <translation>Normals to the surfaces</translation>
    </message>
    <message>
        <source>Κύκλοι Huygens</source>
        <translation>Huygens circles</translation>
    </message>
    <message>
        <source>Κύρια σημεία και κατασκευές</source>
        <translation>Cardinal points and constructions</translation>
    </message>
    <message>
        <source>Μέτωπα κύματος</source>
        <translation>Wavefronts</translation>
    </message>
    <message>
        <source>Βέλη κατεύθυνσης</source>
        <translation>Direction arrows</translation>
    </message>
    <message>
        <source>Εμφάνιση</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Ακτίνες της δέσμης</source>
        <translation>The beam&apos;s rays</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>δε βρέθηκε</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>Nai the</source>
        <translation>Nai the</translation>
    </message>
    <message>
        <source>Αποθήκευση</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Χωρίς αποθήκευση</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Άκυρο</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ObjectNumbers</name>
    <message>
        <source>s′: το αντικείμενο είναι στην εστία F, οι ακτίνες βγαίνουν παράλληλες και δεν σχηματίζεται είδωλο</source>
        <translation>s′: the object is at the focal point F, the rays leave parallel and no image forms</translation>
    </message>
    <message>
        <source>πραγματικό είδωλο</source>
        <translation>real image</translation>
    </message>
    <message>
        <source>φανταστικό είδωλο</source>
        <translation>virtual image</translation>
    </message>
    <message>
        <source>m: χωρίς είδωλο</source>
        <translation>m: no image</translation>
    </message>
    <message>
        <source>ανεστραμμένο</source>
        <translation>inverted</translation>
    </message>
    <message>
        <source>όρθιο</source>
        <translation>upright</translation>
    </message>
    <message>
        <source>με ακτίνες ελάχιστου χρόνου: οι ακτίνες δεν συναντιούνται</source>
        <translation>by least-time rays: the rays do not meet</translation>
    </message>
    <message>
        <source>κανένα</source>
        <translation>none</translation>
    </message>
    <message>
        <source>με ακτίνες ελάχιστου χρόνου: s′ = %1 (εξίσωση: %2), άπλωμα %3</source>
        <translation>by least-time rays: s′ = %1 (equation: %2), spread %3</translation>
    </message>
    <message>
        <source>f: ο φακός δεν συγκλίνει ούτε αποκλίνει, δεν έχει εστίες</source>
        <translation>f: the lens neither converges nor diverges, it has no focal points</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>η κατάληξη του ονόματος πρέπει να είναι .png, .svg ή .pdf</source>
        <translation>the name must end in .png, .svg or .pdf</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Η σελίδα δεν γράφτηκε στο αρχείο %1.</source>
        <translation>The page was not written to the file %1.</translation>
    </message>
    <message>
        <source>η εκτύπωση δεν ξεκίνησε</source>
        <translation>printing did not start</translation>
    </message>
    <message>
        <source>δεν υπάρχει εκτυπωτής</source>
        <translation>there is no printer</translation>
    </message>
    <message>
        <source>Η σελίδα δεν εκτυπώθηκε: </source>
        <translation>The page was not printed: </translation>
    </message>
    <message>
        <source> και δεν ήταν δυνατό να γραφτεί αρχείο PDF στον φάκελο των εγγράφων.</source>
        <translation> and no PDF file could be written in the documents folder.</translation>
    </message>
    <message>
        <source>Η εκτύπωση δεν ξεκίνησε.</source>
        <translation>Printing did not start.</translation>
    </message>
    <message>
        <source>Δεν βρέθηκε εκτυπωτής.</source>
        <translation>No printer was found.</translation>
    </message>
    <message>
        <source> Η σελίδα αποθηκεύτηκε ως PDF στο αρχείο:
</source>
        <translation> The page was saved as a PDF in the file:
</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>ελάχιστο: δεν βρέθηκε</source>
        <translation>least: not found</translation>
    </message>
    <message>
        <source>ελάχιστο: </source>
        <translation>least: </translation>
    </message>
    <message>
        <source>μπλε σημείο: </source>
        <translation>blue point: </translation>
    </message>
    <message>
        <source>ύψος σημείου εισόδου y</source>
        <translation>height of the entry point y</translation>
    </message>
    <message>
        <source>χρόνος t</source>
        <translation>time t</translation>
    </message>
    <message>
        <source>Χρόνος διαδρομής</source>
        <translation>Travel time</translation>
    </message>
    <message>
        <source>Ο χρόνος κάθε διαδρομής ως προς το ύψος εισόδου</source>
        <translation>The time of every path against the height where it enters</translation>
    </message>
    <message>
        <source>Ελάχιστος χρόνος</source>
        <translation>Least time</translation>
    </message>
    <message>
        <source>Χρόνος μπλε σημείου</source>
        <translation>Time through the blue point</translation>
    </message>
    <message>
        <source>βήματα αναζήτησης</source>
        <translation>search steps</translation>
    </message>
    <message>
        <source>Εκτύπωση</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>SceneFile</name>
    <message>
        <source>άγνωστο πεδίο «%1»</source>
        <translation>unknown field «%1»</translation>
    </message>
    <message>
        <source>το πεδίο «fillColor» δεν είναι χρώμα #rrggbb</source>
        <translation>the field «fillColor» is not a colour #rrggbb</translation>
    </message>
    <message>
        <source>το πεδίο «labels» δεν είναι αντικείμενο</source>
        <translation>the field «labels» is not an object</translation>
    </message>
    <message>
        <source>άγνωστη ετικέτα «%1»</source>
        <translation>unknown label «%1»</translation>
    </message>
    <message>
        <source>το πεδίο «actions» δεν είναι λίστα</source>
        <translation>the field «actions» is not a list</translation>
    </message>
    <message>
        <source>άγνωστη ενέργεια «%1»</source>
        <translation>unknown action «%1»</translation>
    </message>
    <message>
        <source>είναι μεγαλύτερο από 1 MiB</source>
        <translation>it is larger than 1 MiB</translation>
    </message>
    <message>
        <source>δεν είναι αντικείμενο JSON</source>
        <translation>it is not a JSON object</translation>
    </message>
    <message>
        <source>λείπει το πεδίο «format»</source>
        <translation>the field «format» is missing</translation>
    </message>
    <message>
        <source>έχει άλλη μορφή, όχι kovril-scene</source>
        <translation>it has another format than kovril-scene</translation>
    </message>
    <message>
        <source>λείπει το πεδίο «version»</source>
        <translation>the field «version» is missing</translation>
    </message>
    <message>
        <source>το πεδίο «version» δεν είναι αριθμός έκδοσης</source>
        <translation>the field «version» is not a version number</translation>
    </message>
    <message>
        <source>γράφτηκε από νεότερο Kovril (έκδοση %1)</source>
        <translation>it was written by a newer Kovril (version %1)</translation>
    </message>
    <message>
        <source>το πεδίο «drawing» δεν είναι αντικείμενο</source>
        <translation>the field «drawing» is not an object</translation>
    </message>
    <message>
        <source>δεν είναι σκηνή του Kovril ή έχει χαλάσει (JSON: %1)</source>
        <translation>is not a Kovril scene or is damaged (JSON: %1)</translation>
    </message>
    <message>
        <source>%1 στο byte %2</source>
        <translation>%1 at byte %2</translation>
    </message>
    <message>
        <source>έχει πάρα πολλές ενέργειες για να σχεδιαστεί γρήγορα (%1)· μια εικόνα χωράει περίπου 50 «Συνέχιση δέσμης» με 100 ακτίνες</source>
        <translation>holds too many actions to be drawn quickly (%1); a picture holds about 50 «Continue the beam past the lens» of 100 rays</translation>
    </message>
    <message>
        <source>η θέση της πηγής</source>
        <translation>the position of the source</translation>
    </message>
    <message>
        <source>η θέση του μπλε σημείου</source>
        <translation>the position of the blue point</translation>
    </message>
    <message>
        <source>το ύψος του κίτρινου σημείου</source>
        <translation>the height of the yellow point</translation>
    </message>
    <message>
        <source>το ύψος του μπλε σημείου</source>
        <translation>the height of the blue point</translation>
    </message>
    <message>
        <source>ο αριθμός των ακτίνων</source>
        <translation>the number of rays</translation>
    </message>
    <message>
        <source>ο χρόνος</source>
        <translation>the time</translation>
    </message>
    <message>
        <source>το μέγεθος των γραμμάτων της Label3</source>
        <translation>the font size of Label3</translation>
    </message>
    <message>
        <source>ο δείκτης των κλιμάκων της σελίδας</source>
        <translation>the index of the page&apos;s scales</translation>
    </message>
    <message>
        <source>το μέγεθος των γραμμάτων</source>
        <translation>the font size</translation>
    </message>
    <message>
        <source>το πάχος των γραμμών</source>
        <translation>the line width</translation>
    </message>
    <message>
        <source>το είδος των γραμμών</source>
        <translation>the line style</translation>
    </message>
    <message>
        <source>το γέμισμα</source>
        <translation>the fill</translation>
    </message>
    <message>
        <source>%1: δεν είναι αριθμός</source>
        <translation>%1: not a number</translation>
    </message>
    <message>
        <source>%1: δεν είναι ακέραιος</source>
        <translation>%1: not a whole number</translation>
    </message>
    <message>
        <source>%1: εκτός των ορίων %2 … %3</source>
        <translation>%1: outside %2 … %3</translation>
    </message>
    <message>
        <source>%1: δεν είναι σημείο με x και y</source>
        <translation>%1: not a point with x and y</translation>
    </message>
    <message>
        <source>%1: άγνωστη τιμή</source>
        <translation>%1: an unknown value</translation>
    </message>
    <message>
        <source>%1: δεν είναι κείμενο</source>
        <translation>%1: not a text</translation>
    </message>
    <message>
        <source>ο δείκτης διάθλασης του φακού</source>
        <translation>the refractive index of the lens</translation>
    </message>
    <message>
        <source>η ακτίνα της μπροστινής επιφάνειας του φακού</source>
        <translation>the radius of the lens&apos;s front face</translation>
    </message>
    <message>
        <source>η ακτίνα της πίσω επιφάνειας του φακού</source>
        <translation>the radius of the lens&apos;s rear face</translation>
    </message>
    <message>
        <source>το πάχος του φακού</source>
        <translation>the thickness of the lens</translation>
    </message>
    <message>
        <source>το άνοιγμα του φακού</source>
        <translation>the aperture of the lens</translation>
    </message>
    <message>
        <source>το πεδίο «lens» δεν είναι αντικείμενο</source>
        <translation>the field «lens» is not an object</translation>
    </message>
    <message>
        <source>%1: δεν δίνει φακό, %2</source>
        <translation>%1: gives no lens, %2</translation>
    </message>
    <message>
        <source>η θέση του αντικειμένου</source>
        <translation>the place of the object</translation>
    </message>
    <message>
        <source>το ύψος του αντικειμένου</source>
        <translation>the height of the object</translation>
    </message>
    <message>
        <source>το πεδίο «object» δεν είναι αντικείμενο</source>
        <translation>the field «object» is not an object</translation>
    </message>
    <message>
        <source>%1: δεν στέκεται αριστερά του φακού</source>
        <translation>%1: does not stand left of the lens</translation>
    </message>
    <message>
        <source>%1: δεν είναι θετικό</source>
        <translation>%1: is not positive</translation>
    </message>
    <message>
        <source>ο χάρακας</source>
        <translation>the ruler</translation>
    </message>
    <message>
        <source>η πρώτη άκρη του χάρακα</source>
        <translation>the ruler&apos;s first end</translation>
    </message>
    <message>
        <source>η δεύτερη άκρη του χάρακα</source>
        <translation>the ruler&apos;s second end</translation>
    </message>
    <message>
        <source>το μοιρογνωμόνιο</source>
        <translation>the protractor</translation>
    </message>
    <message>
        <source>η κορυφή του μοιρογνωμονίου</source>
        <translation>the protractor&apos;s vertex</translation>
    </message>
    <message>
        <source>τα σκέλη του μοιρογνωμονίου</source>
        <translation>the protractor&apos;s arms</translation>
    </message>
    <message>
        <source>%1: δεν είναι αντικείμενο</source>
        <translation>%1: is not an object</translation>
    </message>
    <message>
        <source>%1: λείπει</source>
        <translation>%1: is missing</translation>
    </message>
    <message>
        <source>%1: δεν είναι σημείο [x, y] με συντεταγμένες από -%2 ως %2</source>
        <translation>%1: is not a point [x, y] with coordinates from -%2 to %2</translation>
    </message>
    <message>
        <source>%1: δεν είναι δύο σημεία [x, y]</source>
        <translation>%1: is not two points [x, y]</translation>
    </message>
</context>
<context>
    <name>SceneFiles</name>
    <message>
        <source>δεν γράφτηκε ολόκληρο</source>
        <translation>it was not written whole</translation>
    </message>
    <message>
        <source>Άνοιγμα σκηνής</source>
        <translation>Open scene</translation>
    </message>
    <message>
        <source>Σκηνές Kovril (*.kovril)</source>
        <translation>Kovril scenes (*.kovril)</translation>
    </message>
    <message>
        <source>Αποθήκευση σκηνής</source>
        <translation>Save scene</translation>
    </message>
    <message>
        <source>Αποθήκευση εικόνας</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Εικόνες (*.png *.svg *.pdf)</source>
        <translation>Pictures (*.png *.svg *.pdf)</translation>
    </message>
    <message>
        <source>δεν υπάρχει</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>δεν είναι κανονικό αρχείο</source>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>δεν είναι κανονικό αρχείο ούτε νέο όνομα</source>
        <translation>is neither a regular file nor a new name</translation>
    </message>
    <message>
        <source>δεν επιτρέπεται η εγγραφή εκεί</source>
        <translation>writing there is not allowed</translation>
    </message>
    <message>
        <source>ο φάκελος δεν υπάρχει ή δεν δέχεται αρχεία</source>
        <translation>the folder does not exist or takes no files</translation>
    </message>
    <message>
        <source>ο δίσκος γέμισε ή δεν δέχεται άλλα</source>
        <translation>the disc is full or takes no more</translation>
    </message>
    <message>
        <source>η εγγραφή δεν ολοκληρώθηκε</source>
        <translation>the writing did not finish</translation>
    </message>
    <message>
        <source>δεν επιτρέπεται η ανάγνωσή του</source>
        <translation>it may not be read</translation>
    </message>
    <message>
        <source>δεν διαβάζεται</source>
        <translation>it cannot be read</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>αριθμός σημείων =</source>
        <translation>number of points =</translation>
    </message>
    <message>
        <source>Χρονος=</source>
        <translation>Time=</translation>
    </message>
    <message>
        <source>ψ κίτρινο= </source>
        <translation>ψ yellow= </translation>
    </message>
    <message>
        <source>ψ blue = </source>
        <translation>ψ blue = </translation>
    </message>
    <message>
        <source>Πορεία Ακτίνων: αρχή Kovril</source>
        <translation>Light Paths: the Kovril principle</translation>
    </message>
    <message>
        <source>Υπολόγισε θέση με Kovril</source>
        <translation>Find the point with Kovril</translation>
    </message>
    <message>
        <source>Δέσμη ακτίνων</source>
        <translation>Beam of rays</translation>
    </message>
    <message>
        <source>Συνέχιση ακτίνας μετά  το φακό</source>
        <translation>Continue the ray past the lens</translation>
    </message>
    <message>
        <source>Κύκλοι Huygens</source>
        <translation>Huygens circles</translation>
    </message>
    <message>
        <source>Συνέχιση δέσμης μετά το φακό</source>
        <translation>Continue the beam past the lens</translation>
    </message>
    <message>
        <source>ψ= </source>
        <translation>ψ= </translation>
    </message>
    <message>
        <source>ψ= 0</source>
        <translation>ψ= 0</translation>
    </message>
    <message>
        <source>αριθμός σημείων =10</source>
        <translation>number of points =10</translation>
    </message>
    <message>
        <source>Χρονος=5</source>
        <translation>Time=5</translation>
    </message>
    <message>
        <source>ψ blue = 0</source>
        <translation>ψ blue = 0</translation>
    </message>
</context>
</TS>

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Kovril;
class QMenu;

namespace scene {

// The ready scenes shipped inside the program, in the order the menu lists them.
int lessonCount();
// «Μαθήματα»: one entry per lesson.
void addLessonMenu(Kovril& w, QMenu& menu);
// Opens a lesson as a scene file is opened (one step to undo) and shows what to look at.
bool openLesson(Kovril& w, int lesson);
// The lesson's line keeps to the bottom left corner of a resized window.
void placeLessonNote(Kovril& w);
// Another scene or a lesson start: the line no longer tells what is shown.
void hideLessonNote(Kovril& w);

} // namespace scene

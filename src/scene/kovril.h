// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/point.h"
#include "geometry/scene_history.h"
#include "geometry/scene_state.h"
#include "scene/live_path.h"
#include "scene/marker_input.h"
#include "surface/controls.h"
#include "surface/labels.h"
#include "surface/surface.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QPushButton;
class QToolButton;
namespace scene {
class HelpPage;
class LensPanel;
class MeasuringControls;
class ObjectControls;
class TimeProfilePanel;
} // namespace scene

namespace scene {
class WavefrontPlayer;
}

namespace scene {

// The window's controls, which only the window and the modules that lay it out and dress it
// (its frame, menu, accessibility, player and panels) reach; tests find them by their
// objectName as a user finds them by their place.
struct WindowControls {
    surface::WrapButton* Command1;
    surface::WrapButton* Command2;
    surface::WrapButton* Command3;
    surface::WrapButton* Command4;
    surface::WrapButton* Command5;
    surface::WrapButton* Command6;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    surface::ScrollBar* thesiy;
    surface::ScrollBar* shmeio_thesi;
    surface::ScrollBar* arithmosaktinon;
    surface::ScrollBar* xronosmetato;
    surface::Shape* shmeio;
    surface::Shape* kyklos;
    QPushButton* xronosPlay;
    scene::WavefrontPlayer* player;
    QToolButton* menuButton;
    QAction* actionClear;
    QAction* actionReset = nullptr;
    QAction* actionUndo = nullptr;
    QAction* actionRedo = nullptr;
    QAction* actionFullScreen;
    QAction* actionQuit;
    QAction* actionSaveScene;
    QAction* actionOpenScene;
    QAction* actionSavePicture;
    QAction* actionWhiteBackground;
    QAction* actionTimeProfile;
    QAction* actionLens;
    QAction* actionHelp;
    QAction* actionRuler = nullptr;
    QAction* actionProtractor = nullptr;
    scene::MeasuringControls* measuring = nullptr;
    QAction* actionObject = nullptr;
    scene::TimeProfilePanel* timeProfile = nullptr; // created when first opened
    scene::HelpPage* help = nullptr;                // created when first opened
    scene::LensPanel* lensPanel = nullptr;          // created when first opened
    scene::ObjectControls* objectControls = nullptr;
};

} // namespace scene

// The program's one window: the retained picture, the controls and their handlers.
class Kovril : public QWidget, private scene::WindowControls {
    Q_OBJECT
public:
    Kovril();
    ~Kovril() override;

    // The surface the handlers draw on: the window's picture, or for a moment another
    // surface the picture is drawn again on (see replayOn).
    surface::Surface& surface() { return *active_; }
    // Gives the window a fresh retained picture of its present size, in twips until the frame
    // is set.
    void resetPicture();
    // Sets the user frame; the shapes keep their place on the window.
    void Scale(double x1, double y1, double x2, double y2);
    // Places a control in the frame, whole on the window; an omitted extent keeps its current
    // value.
    void placeInFrame(QWidget& control, std::optional<double> left, std::optional<double> top,
                      std::optional<double> width, std::optional<double> height);
    void setMousePointer(int pointer);
    scene::WindowControls& controls() { return *this; }
    const scene::WindowControls& controls() const { return *this; }

    // The scene the window shows.
    const geometry::SceneState& state() const { return state_; }
    // The lens the window shows, as every construction is given it.
    const geometry::Lens& lens() const { return state_.lens; }
    // The source as every construction reads it.
    geometry::Source source() const { return geometry::sourceOf(state_); }
    // Gives the labels the texts a drawing procedure left for them.
    void applyLabels(const surface::LabelTexts& labels);
    // A label's new text, in the scene and on the label.
    void showLabel(int label, const QString& text);
    // Label3's size in points, in the scene and on the label.
    void showLabel3Points(double points);
    // Moves a marker's centre to a point of the scene and keeps in the scene the centre it
    // then has: its corner is kept in 32-bit floats, and every construction reads the point
    // the student sees.
    void placeSource(geometry::Point at);
    void placeBluePoint(geometry::Point at);
    // Label1 … Label7 by their numbers; index 0 is unused, as in LabelTexts.
    std::array<QLabel*, 8> labels() const;
    // Shows what the drawing changed since it was last shown, and nothing more.
    void showChanges();

    // Lays the window out for its present size, as start-up does, keeps the markers and the
    // scroll bars at their scene values and draws again what was drawn since the last clear.
    void relayout();
    // Runs a relayout a resize asked for now rather than at the next frame.
    void applyPendingLayout();
    // What was drawn since the picture was last cleared.
    const geometry::ActionLog& actionLog() const { return state_.log; }
    // Draws what was drawn since the last clear again, on another surface with the window's
    // frame, with messages held back; the window's own picture stays as it is.
    void replayOn(surface::Surface& other);
    // Everything a scene file keeps of the window, and what start-up gives each of it.
    geometry::SceneState startDefaults() const;
    // Shows the scene's markers and values on the window without running the scroll bars'
    // handlers, and draws its actions from its start state, as they were drawn.
    void applyScene(const geometry::SceneState& scene);
    // Opens a scene file; a file that is no scene is reported and changes nothing.
    bool openSceneFile(const QString& path);
    void toggleFullScreen();

    // Opens the travel-time panel for the present scene.
    void openTimeProfile();
    // Brings an open travel-time panel up to date with the scene.
    void profileFollows();
    // Opens the help beside the picture.
    void openHelp();
    // Opens the lens panel beside the picture.
    void openLensPanel();

    // The ruler and the protractor the scene shows from now on, over the picture.
    void showTools(const geometry::MeasuringTools& tools);

    // Connects the controls to their handlers, once start-up has placed them.
    void connectHandlers();

    // The handlers, all defined in handlers.cpp.
    void Form_Load();
    void thesiy_Change();
    void arithmosaktinon_Change();
    void Command1_Click();
    void shmeio_thesi_Change();
    void Form_MouseDown(int button, int shift, float x, float y);
    void Form_MouseMove(int button, int shift, float x, float y);
    void Form_MouseUp(int button, int shift, float x, float y);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void xronosmetato_Change();
    // One frame of the played wavefront at a time between whole numbers, with Label6 showing
    // the bar's whole number: not logged, and what the beam has to say was said when the bar
    // last changed.
    void xronosPlay_Frame(double time);
    // Label6 shows the time bar's value.
    void showTime();
    // A new time value, in the scene and on its bar, without the bar's handler: the player's
    // step between frames.
    void showTimeValue(std::int16_t time);
    void Command6_Click();
    void clearPicture();
    // «Αρχή μαθήματος»: the bare start-up lens and the same scene on every screen.
    void startLesson();
    // Start-up's first picture, as the first thing the log holds and the history starts from.
    void showFirstPicture();
    // After a step of the student's: what it drew shown, the panels following, and the scene
    // it left kept for undo.
    void afterStep();
    // A scroll bar's thumb is held down by the pointer.
    bool thumbHeld() const;
    std::array<surface::ScrollBar*, 4> scrollBars() const;
    // The scene before the last step, and again after it.
    void undo();
    void redo();
    // Shows these layers of the picture, drawing it again from what was drawn.
    void showLayers(const geometry::Layers& layers);
    void saveScene_Click();
    void openScene_Click();
    // Before the scene is replaced or the window closes: unsaved work is saved, let go, or
    // kept by going no further (false).
    bool settleUnsavedChanges();
    void savePicture_Click();
    // A new lens for the scene: the lens is drawn again, and what was drawn since the last
    // clear is drawn again on it, as a new window size does.
    void lens_Change(const geometry::LensGiven& given);
    // The arrow keys on kyklos: a drop of the source (dx, dy) scene units away.
    void kyklos_Nudge(double dx, double dy);
    // The object shown, moved or taken away, kept left of the lens and inside the picture;
    // a step the class can undo when `step` (a drag notes one step, at its release).
    void object_Change(std::optional<geometry::ObjectArrow> object, bool step);

    // The markers' mouse and keyboard handling, which tests ask what is being dragged.
    const scene::MarkerInput& input() const { return input_; }

signals:
    // At the start of the window's teardown, while it is still whole.
    void tearingDown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QRectF shapeArea(const surface::Shape& shape) const;
    // The disc a marker shows on the window: its area, or at least 1/80 of the window's
    // height across so that a projector shows it; only the look grows, the centre and the
    // marker's size in the scene stay as they are.
    QRectF markerDisc(const surface::Shape& shape) const;
    // Below its minimum the controls would cover the lens; on a small or scaled screen the
    // minimum gives way to what the screen has room for.
    void keepMinimumOnScreen();
    // Whether a press at (x, y) lies on the marker or within a few pixels of its disc.
    bool onMarker(const surface::Shape& marker, float x, float y) const;
    // Runs a handler and shows what it drew.
    template <typename Handler> void run(Handler handler);
    // Notes an action before it draws: one that clears starts the log afresh.
    void record(const geometry::Action& action);
    void record(geometry::Action::Kind kind);
    // The same for a drawing over the picture, unless the picture could then no longer be
    // drawn again quickly: then the student is asked to clear it first, and nothing is drawn.
    [[nodiscard]] bool recordDrawing(geometry::Action::Kind kind);
    geometry::StartState currentState();
    void restore(const geometry::StartState& state);
    void replay(const geometry::Action& action);
    // Keeps in the scene where a new frame put the markers.
    void noteMarkers();
    void emptyDrawingLabels();
    void clearDrawing();
    // Shows a scene kept earlier, as it was: its markers, values, labels and picture.
    void showScene(const geometry::SceneState& scene);
    // Undo and redo are offered when there is something to undo or redo; the title marks
    // unsaved work.
    void showHistory();
    // The scene's file name and the unsaved mark before the program's title.
    void showTitle();
    // Writes the scene to the file and counts it saved, or says why not (false).
    bool saveSceneTo(const QString& path);
    // Draws the log from its start state, as the actions drew it.
    void drawLog();
    // The picture after a drop: cleared, redrawn, the path source -> blue point -> T.
    void drawDrop(geometry::Point source, geometry::Point bluePoint);
    // While a marker (dragged to `to`) or the yellow point's slider (Marker::None) is dragged
    // and the picture shows a path: the path drawn again for the drag as it stands, neither
    // logged nor a step. False when no path is shown.
    bool drawLivePath(scene::Marker dragged, geometry::Point to = {});
    void drawLiveMarker(scene::Marker dragged, geometry::Point to);
    void drawLiveYellowPoint();
    // Before the release: the texts and drawing properties the drag started from.
    void endLivePath();

    std::unique_ptr<surface::Surface> surface_;
    surface::Surface* active_ = nullptr;
    QTimer relayoutTimer_;
    // The scene; written by the handlers, start-up, a relayout and an opened scene only.
    geometry::SceneState state_;
    // The scenes after each step; noted by afterStep, started by showFirstPicture.
    geometry::SceneHistory history_;
    bool replaying_ = false;
    scene::MarkerInput input_;
    scene::LiveDrag live_;
    // The window pixels of the mouse event being handled, which the handlers receive in scene
    // units only.
    QPointF pressPixel_;
    QPointF movePixel_;
    // The source stands where start-up put it on the window, not where a scene put it.
    bool sourceAtStartPlace_ = true;
    // The file the scene was last saved to or opened from; empty before either.
    QString scenePath_;
};

namespace scene {

// The window start-up created; there is exactly one while the program runs.
Kovril& form();
// Creates the window, replacing any earlier one (which tests may have made).
Kovril& createForm();

} // namespace scene

#pragma once

#include "geometry/point.h"
#include "surface/controls.h"
#include "surface/labels.h"
#include "surface/surface.h"

#include <QWidget>

#include <memory>
#include <optional>

class QScreen;

// The program's one window: the retained picture, the controls and their handlers.
class Kovril : public QWidget {
    Q_OBJECT
public:
    Kovril();
    ~Kovril() override;

    surface::Surface& surface() { return *surface_; }
    // Gives the window the screen's size with a fresh retained picture in twips.
    void sizeToScreen(const QScreen& screen);
    // Sets the user frame; the shapes keep their place on the window.
    void Scale(double x1, double y1, double x2, double y2);
    // Places a control in the frame; an omitted extent keeps its current value.
    void placeInFrame(QWidget& control, std::optional<double> left, std::optional<double> top,
                      std::optional<double> width, std::optional<double> height);
    void setMousePointer(int pointer);
    // The source: the centre of kyklos, as every construction reads it.
    geometry::Source source() const;
    // Gives the labels the texts a drawing procedure left for them.
    void applyLabels(const surface::LabelTexts& labels);

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
    void Command6_Click();

    // The printed counterparts of the beam procedures; they draw on Printer.
    void desmiakmetaPRINT(float x0, float y0, int n);
    void evreSiKyklonPRINT(float xronost, int N11);
    // Returns whether it printed the ray beyond the lens.
    bool synexeiaPRINT(double kENTRX, double kENTRY);
    surface::Surface* Printer = nullptr; // the page while a print job runs

    bool dragPoint = false;  // shmeio is being dragged
    bool dragSource = false; // kyklos is being dragged

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRectF shapeArea(const surface::Shape& shape) const;
    // Runs a handler and shows what it drew.
    template <typename Handler> void run(Handler handler);

    std::unique_ptr<surface::Surface> surface_;
};

namespace scene {

// The window start-up created; there is exactly one while the program runs.
Kovril& form();
// Creates the window, replacing any earlier one (which tests may have made).
Kovril& createForm();

} // namespace scene

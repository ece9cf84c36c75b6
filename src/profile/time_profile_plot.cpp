// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/time_profile_plot.h"

#include "profile/captions.h"
#include "profile/plot_ink.h"
#include "surface/format.h"

#include <QCoreApplication>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace profile {

namespace {

// Room around the plotted area, as fractions of the surface, for numbers and titles.
constexpr double marginLeft = 0.13;
constexpr double marginRight = 0.04;
constexpr double marginTop = 0.1;
constexpr double marginBottom = 0.16;
constexpr double numberPoints = 9;
constexpr double stepNumberPoints = 7;
constexpr double twipsPerPixel = 15; // at the 96 dpi pen widths are measured in

struct Range {
    double low = 0;
    double high = 0;
    void include(double v) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
    double span() const { return high - low; }
};

// A tick spacing of 1, 2 or 5 times a power of ten that gives about `count` ticks.
double tickStep(double span, int count) {
    const double rough = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough)
            return factor * power;
    return 10 * power;
}

void use(surface::Surface& s, const surface::Ink& ink) {
    s.DrawWidth = ink.width;
    s.DrawStyle = ink.style;
    s.ForeColor = ink.color;
}

double pixelsX(const surface::Surface& s, double pixels) {
    return std::abs(s.twipsToFrameX(pixels * twipsPerPixel));
}

double pixelsY(const surface::Surface& s, double pixels) {
    return std::abs(s.twipsToFrameY(pixels * twipsPerPixel));
}

// A rough width of a text, enough to centre a number under its tick.
double textWidth(const surface::Surface& s, const QString& text) {
    return std::abs(s.twipsToFrameX(text.size() * s.FontSize * 0.6 * 20));
}

double textHeight(const surface::Surface& s) {
    return std::abs(s.twipsToFrameY(s.FontSize * 1.4 * 20));
}

void printAt(surface::Surface& s, double x, double y, const QString& text) {
    s.CurrentX = x;
    s.CurrentY = y;
    s.Print(text);
}

QString tickText(double value, double step) {
    return surface::Format(value, step >= 1 ? "0" : "0.0");
}

void drawAxes(surface::Surface& s, const Range& y, const Range& t) {
    use(s, ink::axes);
    s.Line(y.low, t.low, y.high, t.low);
    s.Line(y.low, t.low, y.low, t.high);
    s.FontSize = numberPoints;
    const double tickX = pixelsX(s, 5);
    const double tickY = pixelsY(s, 5);

    const double yStep = tickStep(y.span(), 8);
    for (double v = std::ceil(y.low / yStep) * yStep; v <= y.high + 1e-9 * yStep; v += yStep) {
        s.Line(v, t.low, v, t.low - tickY, ink::axes.color);
        const QString text = tickText(v, yStep);
        printAt(s, v - textWidth(s, text) / 2, t.low - 1.5 * tickY, text);
    }
    const double tStep = tickStep(t.span(), 6);
    for (double v = std::ceil(t.low / tStep) * tStep; v <= t.high + 1e-9 * tStep; v += tStep) {
        s.Line(y.low, v, y.low - tickX, v, ink::axes.color);
        const QString text = tickText(v, tStep);
        printAt(s, y.low - 2 * tickX - textWidth(s, text), v + textHeight(s) / 2, text);
    }

    const QString yTitle = QCoreApplication::translate("Profile", "ύψος σημείου εισόδου y");
    printAt(s, (y.low + y.high - textWidth(s, yTitle)) / 2, t.low - 1.5 * tickY - textHeight(s),
            yTitle);
    printAt(s, y.low - 2 * tickX - textWidth(s, QStringLiteral("000")),
            t.high + 1.2 * textHeight(s), QCoreApplication::translate("Profile", "χρόνος t"));
}

void drawCurve(surface::Surface& s, const geometry::TimeProfile& profile) {
    use(s, ink::curve);
    const geometry::ProfileSample& first = profile.samples.front();
    s.Line(first.y, first.time, first.y, first.time);
    for (const geometry::ProfileSample& sample : profile.samples)
        s.LineTo(sample.y, sample.time);
}

void drawRims(surface::Surface& s, double rim, const Range& t) {
    use(s, ink::rims);
    for (const double at : {-rim, rim})
        s.Line(at, t.low, at, t.high);
}

void drawSteps(surface::Surface& s, const geometry::TimeProfile& profile) {
    use(s, ink::steps);
    for (const geometry::SearchStep& step : profile.steps)
        s.PSet(step.y, step.time);
    s.FontSize = stepNumberPoints;
    const double dx = pixelsX(s, 4);
    const double dy = pixelsY(s, 2);
    // Near the minimum the steps crowd together: a number that would run into one already
    // written is left out, so that those written stay readable.
    std::vector<QRectF> written;
    for (std::size_t i = 0; i < profile.steps.size(); ++i) {
        const QString number = QString::number(i + 1);
        const double x = profile.steps[i].y + dx;
        const double top = profile.steps[i].time - dy;
        // With a little room, since the width is a rough one.
        const QRectF box(x, top - textHeight(s), textWidth(s, number) * 1.2, textHeight(s));
        if (std::any_of(written.begin(), written.end(),
                        [&](const QRectF& other) { return other.intersects(box); }))
            continue;
        written.push_back(box);
        printAt(s, x, top, number);
    }
}

void mark(surface::Surface& s, const surface::Ink& ink, const geometry::ProfileSample& at) {
    use(s, ink);
    s.PSet(at.y, at.time);
}

} // namespace

void drawTimeProfile(surface::Surface& s, const geometry::TimeProfile& profile,
                     const PlotMarks& marks) {
    Range y{profile.low, profile.high};
    Range t{profile.samples.front().time, profile.samples.front().time};
    for (const geometry::ProfileSample& sample : profile.samples)
        t.include(sample.time);
    if (marks.trial) {
        y.include(marks.trial->y);
        t.include(marks.trial->time);
    }
    if (marks.steps)
        for (const geometry::SearchStep& step : profile.steps) {
            y.include(step.y);
            t.include(step.time);
        }
    // A little room left and right, so that the rims stand clear of the frame.
    const double side = y.span() * 0.03;
    y.low -= side;
    y.high += side;
    // Some air above and below the curve; a flat curve still gets a height.
    const double air = std::max(t.span() * 0.05, 0.5);
    t.low -= air;
    t.high += air;

    const double width = y.span() / (1 - marginLeft - marginRight);
    const double height = t.span() / (1 - marginTop - marginBottom);
    const double left = y.low - marginLeft * width;
    const double top = t.high + marginTop * height;
    s.Scale(left, top, left + width, top - height);
    s.Cls();

    drawRims(s, profile.rim, t);
    drawAxes(s, y, t);
    drawCurve(s, profile);
    if (marks.steps)
        drawSteps(s, profile);
    if (profile.minimum)
        mark(s, ink::minimum, *profile.minimum);
    if (marks.trial)
        mark(s, ink::trial, *marks.trial);
    use(s, ink::axes);
    s.FontSize = numberPoints;
    if (marks.captions) {
        printAt(s, y.low, top - 0.2 * textHeight(s), minimumCaption(profile));
        printAt(s, y.low, s.CurrentY, trialCaption(profile, marks.trial));
    }
}

} // namespace profile

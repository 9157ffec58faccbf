// Paints Mirtal's border pieces, toolbar icons and application icon (with copies for the manual,
// and the icon in the desktop's sizes and as a drawing that scales).
// Build and run (not part of the CMake build; the pictures it writes are committed; Qt Svg comes
// with the Debian package qt6-svg-dev):
//   g++ -std=c++20 -fPIC paint_pictures.cpp $(pkg-config --cflags --libs Qt6Gui Qt6Svg) \
//       -o paint_pictures
//   QT_QPA_PLATFORM=offscreen ./paint_pictures resources
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// ---------------------------------------------------------------- border

constexpr int kPiece = 24;  // thickness of every piece and size of the corners
constexpr int kMiddle = 8;  // length of the stretched middle pieces
constexpr double kRadius = 12.0;

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;  // premultiplied, 0..1
};

Rgba solid(int r, int g, int b, double shade = 1.0, double alpha = 1.0) {
    const auto c = [&](int v) { return std::clamp(v / 255.0 * shade, 0.0, 1.0) * alpha; };
    return {c(r), c(g), c(b), alpha};
}

Rgba mix(int r1, int g1, int b1, int r2, int g2, int b2, double t, double shade) {
    const auto m = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return solid(m(r1, r2), m(g1, g2), m(b1, b2), shade);
}

// The frame's cross-section, `d` pixels in from the outer edge.
Rgba profile(double d, double shade) {
    if (d < 0)
        return {};
    if (d < 1)
        return solid(46, 62, 88);  // outline
    if (d < 2)
        return solid(214, 228, 244, shade);  // highlight
    if (d < 4)
        return mix(150, 178, 212, 132, 160, 198, (d - 2) / 2, shade);  // light steel
    if (d < 5)
        return solid(200, 217, 238, shade);  // pinstripe
    if (d < 8)
        return mix(116, 144, 184, 86, 114, 156, (d - 5) / 3, shade);  // steel
    if (d < 9)
        return solid(54, 74, 104);  // inner edge
    if (d < 12)
        return solid(40, 52, 72, 1.0, 0.28 * (12 - d) / 3);  // soft shadow
    return {};
}

// Distance from the outer edge of a rounded frame of size w x h, and the outward normal there.
double frameDistance(double x, double y, double w, double h, double* nx, double* ny) {
    const double dx = std::max({kRadius - x, 0.0, x - (w - kRadius)});
    const double dy = std::max({kRadius - y, 0.0, y - (h - kRadius)});
    if (dx > 0 && dy > 0) {
        const double len = std::hypot(dx, dy);
        *nx = (x < w / 2 ? -dx : dx) / len;
        *ny = (y < h / 2 ? -dy : dy) / len;
        return kRadius - len;
    }
    const double edges[] = {x, y, w - x, h - y};
    const double normals[][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    const int i = static_cast<int>(std::min_element(edges, edges + 4) - edges);
    *nx = normals[i][0];
    *ny = normals[i][1];
    return edges[i];
}

// A small raised stud in each corner of the band.
Rgba stud(double x, double y, double w, double h, Rgba under) {
    const double c = 6.7;
    const double cx = x < w / 2 ? c : w - c;
    const double cy = y < h / 2 ? c : h - c;
    const double r = std::hypot(x - cx, y - cy);
    if (r > 2.6)
        return under;
    if (r > 2.0)
        return solid(46, 62, 88);
    const double glow = std::max(0.0, 1.0 - std::hypot(x - cx + 0.7, y - cy + 0.7) / 2.0);
    return mix(120, 148, 186, 236, 242, 250, glow, 1.0);
}

// Every pixel of a w x h frame, supersampled 8 x 8.
QImage paintFrame(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32);
    constexpr int n = 8;
    for (int py = 0; py < h; ++py) {
        for (int px = 0; px < w; ++px) {
            Rgba sum;
            for (int sy = 0; sy < n; ++sy) {
                for (int sx = 0; sx < n; ++sx) {
                    const double x = px + (sx + 0.5) / n, y = py + (sy + 0.5) / n;
                    double nx = 0, ny = 0;
                    const double d = frameDistance(x, y, w, h, &nx, &ny);
                    const double shade =
                        1.0 + 0.10 * (-nx - ny) / std::sqrt(2.0);  // light from top left
                    Rgba c = profile(d, shade);
                    if (d >= 0)
                        c = stud(x, y, w, h, c);
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                    sum.a += c.a;
                }
            }
            const double k = n * n, a = sum.a / k;
            const auto ch = [&](double v) {
                return a > 0 ? std::lround(255 * std::min(1.0, v / k / a)) : 0L;
            };
            image.setPixel(px, py, qRgba(ch(sum.r), ch(sum.g), ch(sum.b), std::lround(255 * a)));
        }
    }
    return image;
}

void saveBorder(const QDir& out) {
    constexpr int size = 2 * kPiece + kMiddle;
    const QImage frame = paintFrame(size, size);
    const int far = kPiece + kMiddle;
    const struct {
        const char* name;
        QRect rect;
    } pieces[] = {{"UL", {0, 0, kPiece, kPiece}},         {"UM", {kPiece, 0, kMiddle, kPiece}},
                  {"UR", {far, 0, kPiece, kPiece}},       {"LS", {0, kPiece, kPiece, kMiddle}},
                  {"RS", {far, kPiece, kPiece, kMiddle}}, {"BL", {0, far, kPiece, kPiece}},
                  {"BM", {kPiece, far, kMiddle, kPiece}}, {"BR", {far, far, kPiece, kPiece}}};
    for (const auto& p : pieces)
        frame.copy(p.rect).save(out.filePath(QString("border/%1.png").arg(p.name)));
}

// ---------------------------------------------------------------- icons

const QColor kBlue(44, 92, 150);
const QColor kSky(112, 164, 216);
const QColor kPale(222, 234, 247);
const QColor kOrange(236, 132, 48);
const QColor kGreen(52, 160, 92);
const QColor kRed(214, 66, 72);
const QColor kWhite(255, 255, 255);

QImage canvas(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void begin(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
}

QPen pen(const QColor& c, double width) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Draws an open line through the path's points, without filling it.
void stroke(QPainter& p, const QPainterPath& path, const QPen& linePen) {
    p.save();
    p.setPen(linePen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

// A: a person, head and shoulders.
QImage iconUser() {
    QImage img = canvas(32);
    QPainter p(&img);
    begin(p);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(16, 10), 6.2, 6.2);
    QPainterPath body;
    body.moveTo(4, 30);
    body.cubicTo(4, 21, 9, 18.5, 16, 18.5);
    body.cubicTo(23, 18.5, 28, 21, 28, 30);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(kSky);
    p.drawEllipse(QPointF(14, 8.2), 2.2, 2.0);  // a soft highlight on the head
    return img;
}

// B: a target with a flag planted in its centre.
QImage iconTarget() {
    QImage img = canvas(32);
    QPainter p(&img);
    begin(p);
    const QPointF c(14, 18);
    p.setBrush(kBlue);
    p.drawEllipse(c, 12.5, 12.5);
    p.setBrush(kWhite);
    p.drawEllipse(c, 9.5, 9.5);
    p.setBrush(kSky);
    p.drawEllipse(c, 6.5, 6.5);
    p.setBrush(kWhite);
    p.drawEllipse(c, 3.7, 3.7);
    p.setBrush(kOrange);
    p.drawEllipse(c, 2.0, 2.0);
    p.setPen(pen(QColor(60, 60, 70), 1.6));
    p.drawLine(QPointF(14, 18), QPointF(24, 3.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kOrange);
    QPolygonF flag;
    flag << QPointF(24, 3.5) << QPointF(31, 6.5) << QPointF(22.1, 9.6);
    p.drawPolygon(flag);
    return img;
}

// C: a dumbbell with a plus sign.
QImage iconAddExercise() {
    QImage img = canvas(32);
    QPainter p(&img);
    begin(p);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(5, 19.5, 20, 3), 1.2, 1.2);  // bar
    p.drawRoundedRect(QRectF(1.5, 15, 3.5, 12), 1.4, 1.4);
    p.drawRoundedRect(QRectF(6, 13, 4, 16), 1.6, 1.6);
    p.drawRoundedRect(QRectF(20, 13, 4, 16), 1.6, 1.6);
    p.drawRoundedRect(QRectF(25, 15, 3.5, 12), 1.4, 1.4);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(24, 8), 7.5, 7.5);
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(20, 6.8, 8, 2.4), 0.8, 0.8);
    p.drawRoundedRect(QRectF(22.8, 4, 2.4, 8), 0.8, 0.8);
    return img;
}

// D: a calendar page with a check mark.
QImage iconDaily() {
    QImage img = canvas(32);
    QPainter p(&img);
    begin(p);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(2.5, 5, 27, 25), 3, 3);
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(4.5, 11, 23, 17), 1.5, 1.5);
    p.setBrush(kPale);  // the day cells
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(6.5 + col * 5.2, 13 + row * 5, 3.6, 3.4));
    p.setBrush(kSky);  // the binding rings
    p.drawRoundedRect(QRectF(8.5, 2, 3, 6.5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(20.5, 2, 3, 6.5), 1.5, 1.5);
    QPainterPath check;
    check.moveTo(9.5, 19.5);
    check.lineTo(14.5, 24.5);
    check.lineTo(24, 13.5);
    stroke(p, check, pen(kGreen, 3.4));
    return img;
}

// E: a plate between a fork and a knife.
QImage iconMeal() {
    QImage img = canvas(32);
    QPainter p(&img);
    begin(p);
    const QPointF c(16, 16.5);
    p.setBrush(kBlue);
    p.drawEllipse(c, 10.5, 10.5);
    p.setBrush(kWhite);
    p.drawEllipse(c, 8.8, 8.8);
    p.setBrush(kPale);
    p.drawEllipse(c, 6.0, 6.0);
    p.setBrush(kGreen);  // a leaf on the plate
    QPainterPath leaf;
    leaf.moveTo(12.5, 19.5);
    leaf.cubicTo(12.5, 14, 16, 12.5, 19.5, 13);
    leaf.cubicTo(19.5, 17.5, 17, 19.5, 12.5, 19.5);
    p.drawPath(leaf);
    p.setBrush(kBlue);  // fork
    p.drawRoundedRect(QRectF(1.2, 11.5, 3, 18.5), 1.4, 1.4);
    p.setPen(pen(kBlue, 1.1));
    for (double x : {1.0, 2.7, 4.4})
        p.drawLine(QPointF(x, 3.5), QPointF(x, 10));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0.5, 8.5, 4.4, 4.5), 1.5, 1.5);
    QPainterPath knife;  // knife
    knife.moveTo(27.8, 3.5);
    knife.cubicTo(31.5, 6, 31.5, 12, 30.8, 16);
    knife.lineTo(30.8, 28.6);
    knife.cubicTo(30.8, 30.4, 27.8, 30.4, 27.8, 28.6);
    knife.closeSubpath();
    p.drawPath(knife);
    return img;
}

// F: a heart crossed by a pulse line.
QImage iconProgress() {
    QImage img = canvas(32);
    QPainter p(&img);
    begin(p);
    p.setBrush(kRed);
    QPainterPath heart;
    heart.moveTo(16, 29);
    heart.cubicTo(8, 23, 2, 18, 2, 11);
    heart.cubicTo(2, 6.5, 5.5, 3.5, 9.2, 3.5);
    heart.cubicTo(12.2, 3.5, 14.6, 5.2, 16, 7.8);
    heart.cubicTo(17.4, 5.2, 19.8, 3.5, 22.8, 3.5);
    heart.cubicTo(26.5, 3.5, 30, 6.5, 30, 11);
    heart.cubicTo(30, 18, 24, 23, 16, 29);
    p.drawPath(heart);
    QPainterPath beat;
    beat.moveTo(3.5, 15.5);
    beat.lineTo(10, 15.5);
    beat.lineTo(12.5, 10.5);
    beat.lineTo(16, 21.5);
    beat.lineTo(19, 12.5);
    beat.lineTo(21, 15.5);
    beat.lineTo(28.5, 15.5);
    stroke(p, beat, pen(kWhite, 2.2));
    return img;
}

// G: a bar chart on its axis.
QImage iconReport() {
    QImage img = canvas(32);
    QPainter p(&img);
    begin(p);
    p.setBrush(kSky);
    p.drawRoundedRect(QRectF(6, 17, 5, 11), 1, 1);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(13, 10, 5, 18), 1, 1);
    p.setBrush(kOrange);
    p.drawRoundedRect(QRectF(20, 4, 5, 24), 1, 1);
    p.setPen(pen(QColor(60, 70, 85), 2.0));
    p.drawLine(QPointF(3, 3), QPointF(3, 29));
    p.drawLine(QPointF(3, 29), QPointF(30, 29));
    return img;
}

// The application icon: a heart with a pulse line and a leaf on a steel-blue tile, drawn on
// 128 x 128 units.
constexpr int kIconUnits = 128;

void paintAppIcon(QPainter& p) {
    begin(p);
    QLinearGradient tile(0, 0, 0, 128);
    tile.setColorAt(0, QColor(92, 140, 196));
    tile.setColorAt(1, QColor(38, 80, 134));
    p.setBrush(tile);
    p.setPen(QPen(QColor(30, 56, 92), 2));
    p.drawRoundedRect(QRectF(5, 5, 118, 118), 24, 24);
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(9, 9, 110, 110), 20, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    QPainterPath heart;
    heart.moveTo(64, 108);
    heart.cubicTo(38, 90, 18, 74, 18, 50);
    heart.cubicTo(18, 34, 30, 24, 43, 24);
    heart.cubicTo(53, 24, 60, 30, 64, 38);
    heart.cubicTo(68, 30, 75, 24, 85, 24);
    heart.cubicTo(98, 24, 110, 34, 110, 50);
    heart.cubicTo(110, 74, 90, 90, 64, 108);
    p.drawPath(heart);
    QPainterPath beat;
    beat.moveTo(24, 64);
    beat.lineTo(44, 64);
    beat.lineTo(52, 46);
    beat.lineTo(63, 82);
    beat.lineTo(73, 52);
    beat.lineTo(79, 64);
    beat.lineTo(104, 64);
    stroke(p, beat, pen(kRed, 6));
    p.setBrush(kGreen);
    QPainterPath leaf;
    leaf.moveTo(86, 40);
    leaf.cubicTo(86, 22, 100, 12, 118, 12);
    leaf.cubicTo(118, 30, 106, 40, 86, 40);
    p.drawPath(leaf);
    p.setPen(pen(QColor(210, 240, 215), 2));
    p.drawLine(QPointF(90, 36), QPointF(110, 18));
}

QImage appIcon(int size) {
    QImage img = canvas(size);
    QPainter p(&img);
    p.scale(double(size) / kIconUnits, double(size) / kIconUnits);
    paintAppIcon(p);
    return img;
}

// The icon in every size of the desktops' icon theme, and drawn to scale for any other.
void saveDesktopIcons(const QDir& out) {
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("icons/hicolor/%1x%1/apps").arg(size);
        out.mkpath(folder);
        appIcon(size).save(out.filePath(folder + "/mirtal.png"));
    }
    out.mkpath("icons/hicolor/scalable/apps");
    QSvgGenerator svg;
    svg.setFileName(out.filePath("icons/hicolor/scalable/apps/mirtal.svg"));
    svg.setSize(QSize(kIconUnits, kIconUnits));
    svg.setViewBox(QRect(0, 0, kIconUnits, kIconUnits));
    svg.setTitle("Mirtal");
    QPainter p(&svg);
    paintAppIcon(p);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s RESOURCES_FOLDER\n", argv[0]);
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath("border");
    out.mkpath("toolbar");
    out.mkpath("site/img");
    saveBorder(out);
    const QImage icons[] = {iconUser(), iconTarget(),   iconAddExercise(), iconDaily(),
                            iconMeal(), iconProgress(), iconReport()};
    for (int i = 0; i < 7; ++i) {
        const QString name = QString("%1.png").arg(QChar('A' + i));
        icons[i].save(out.filePath("toolbar/" + name));
        icons[i].save(out.filePath("site/img/" + name));  // the manual shows the toolbar too
    }
    appIcon(kIconUnits).save(out.filePath("mirtal.png"));
    appIcon(kIconUnits).save(out.filePath("site/img/mirtal.png"));
    saveDesktopIcons(out);
    return 0;
}

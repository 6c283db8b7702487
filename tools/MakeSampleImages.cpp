// Draws the sample photos and surface textures shipped in data/: procedural pictures only, so
// every byte of the program's data is our own. Run: sample_images <data folder>.
#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <string>

namespace {

using Shader = std::function<QRgb(double x, double y)>;  // x, y in 0..1

QImage Shade(int width, int height, const Shader& shader) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) row[x] = shader((x + 0.5) / width, (y + 0.5) / height);
  }
  return image;
}

QRgb Mix(QColor a, QColor b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return qRgb(int(a.red() + (b.red() - a.red()) * t), int(a.green() + (b.green() - a.green()) * t),
              int(a.blue() + (b.blue() - a.blue()) * t));
}

// Smooth value noise, enough for hills, clouds and wood grain.
double Noise(double x, double y) {
  auto hash = [](int i, int j) {
    unsigned h = unsigned(i) * 374761393u + unsigned(j) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return (h & 0xFFFF) / 65535.0;
  };
  const int i = int(std::floor(x)), j = int(std::floor(y));
  const double fx = x - i, fy = y - j;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double top = hash(i, j) + (hash(i + 1, j) - hash(i, j)) * sx;
  const double bottom = hash(i, j + 1) + (hash(i + 1, j + 1) - hash(i, j + 1)) * sx;
  return top + (bottom - top) * sy;
}

double Fractal(double x, double y) {
  double sum = 0, scale = 1, weight = 0.5;
  for (int octave = 0; octave < 5; ++octave, scale *= 2, weight *= 0.5) sum += weight * Noise(x * scale, y * scale);
  return sum;
}

QRgb Landscape(double x, double y, double aspect, double seed, QColor sky, QColor land) {
  const double horizon = 0.55 + 0.12 * (Fractal(x * 3 + seed, seed) - 0.5);
  const double far = 0.62 + 0.15 * (Fractal(x * 5 + seed * 2, 1 + seed) - 0.5);
  if (y < horizon) {
    const double sun = std::hypot((x - 0.72) * aspect, y - 0.25);
    if (sun < 0.06) return qRgb(255, 244, 200);
    const double cloud = Fractal(x * 6 + seed, y * 12) > 0.62 ? 0.35 : 0.0;
    return Mix(Mix(sky, QColor(255, 255, 255), y / horizon * 0.6), QColor(250, 250, 250), cloud);
  }
  if (y < far) return Mix(QColor(70, 90, 110), land, (y - horizon) * 8);
  return Mix(land, QColor(30, 45, 20), (y - far) * 1.5 + 0.2 * Fractal(x * 40, y * 40));
}

QRgb Rings(double x, double y) {
  const double r = std::hypot(x - 0.5, y - 0.5);
  return QColor::fromHsvF(std::fmod(r * 3, 1.0), 0.7, 0.9).rgb();
}

QRgb Checker(double x, double y) {
  const bool dark = (int(x * 8) + int(y * 8)) % 2 == 0;
  return dark ? qRgb(40, 60, 140) : qRgb(240, 200, 60);
}

QRgb Mandelbrot(double x, double y) {
  const double cr = -2.2 + x * 3.0, ci = -1.2 + y * 2.4;
  double zr = 0, zi = 0;
  int n = 0;
  while (n < 80 && zr * zr + zi * zi < 4) {
    const double t = zr * zr - zi * zi + cr;
    zi = 2 * zr * zi + ci;
    zr = t;
    ++n;
  }
  return n == 80 ? qRgb(10, 10, 30) : QColor::fromHsvF(std::fmod(0.6 + n / 40.0, 1.0), 0.8, 1.0).rgb();
}

QRgb Wood(double x, double y) {
  const double grain = std::sin((x * 18 + 4 * Fractal(x * 2, y * 20)) * 6.2831);
  const double plank = std::fmod(y * 6, 1.0) < 0.015 ? 0.5 : 1.0;
  const QRgb base = Mix(QColor(120, 70, 35), QColor(170, 110, 60), 0.5 + 0.5 * grain);
  return qRgb(int(qRed(base) * plank), int(qGreen(base) * plank), int(qBlue(base) * plank));
}

QRgb Paper(double x, double y) {
  const int v = 225 + int(25 * Fractal(x * 60, y * 60));
  return qRgb(v, v, std::min(255, v + 8));
}

QRgb Stripes(double x, double y) {
  const double s = std::sin((x + y * 0.4) * 40);
  return Mix(QColor(200, 30, 60), QColor(250, 240, 230), 0.5 + 0.5 * s);
}

// Uncompressed 32-bit TGA, bottom-left origin, as most TGA writers store it.
bool SaveTga(const QImage& image, const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  const unsigned char header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                    (unsigned char)(image.width() & 255), (unsigned char)(image.width() >> 8),
                                    (unsigned char)(image.height() & 255), (unsigned char)(image.height() >> 8), 32, 8};
  out.write(reinterpret_cast<const char*>(header), sizeof header);
  for (int y = image.height() - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const char bgra[4] = {char(qBlue(row[x])), char(qGreen(row[x])), char(qRed(row[x])), char(255)};
      out.write(bgra, 4);
    }
  }
  return bool(out);
}

bool Save(const QImage& image, const std::string& folder, const std::string& name) {
  const std::string path = folder + "/" + name;
  const bool ok = name.ends_with(".TGA") || name.ends_with(".tga") ? SaveTga(image, path)
                                                                   : image.save(QString::fromStdString(path), nullptr, 88);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.c_str());
  return ok;
}

// The program's icon: an open book with a photo on each page, on a transparent ground.
QImage Icon() {
  QImage image(256, 256, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(60, 40, 30), 6));
  painter.setBrush(QColor(120, 70, 40));
  painter.drawRoundedRect(QRectF(14, 46, 228, 170), 14, 14);
  painter.setPen(QPen(QColor(150, 150, 140), 2));
  painter.setBrush(QColor(245, 242, 230));
  painter.drawPolygon(QPolygonF({QPointF(28, 58), QPointF(126, 70), QPointF(126, 204), QPointF(28, 192)}));
  painter.drawPolygon(QPolygonF({QPointF(130, 70), QPointF(228, 58), QPointF(228, 192), QPointF(130, 204)}));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(70, 130, 210));
  painter.drawPolygon(QPolygonF({QPointF(42, 80), QPointF(112, 88), QPointF(112, 140), QPointF(42, 132)}));
  painter.setBrush(QColor(90, 150, 60));
  painter.drawPolygon(QPolygonF({QPointF(144, 88), QPointF(214, 80), QPointF(214, 132), QPointF(144, 140)}));
  painter.setBrush(QColor(230, 120, 70));
  painter.drawPolygon(QPolygonF({QPointF(144, 150), QPointF(214, 142), QPointF(214, 180), QPointF(144, 188)}));
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sample_images <data folder>\n");
    return 2;
  }
  const std::string photos = std::string(argv[1]) + "/photos", textures = std::string(argv[1]) + "/textures";
  auto landscape = [](int width, int height, double seed, QColor sky, QColor ground) {
    const double aspect = double(width) / height;
    return Shade(width, height, [=](double x, double y) { return Landscape(x, y, aspect, seed, sky, ground); });
  };
  bool ok = true;
  ok &= Save(landscape(1600, 1200, 1, QColor(70, 130, 210), QColor(90, 150, 60)), photos, "zorp1.jpg");
  ok &= Save(landscape(1600, 1200, 7, QColor(230, 120, 70), QColor(120, 110, 60)), photos, "zorp2.jpg");
  ok &= Save(landscape(900, 1350, 3, QColor(40, 70, 150), QColor(60, 120, 90)), photos, "zorp3.jpg");
  ok &= Save(landscape(2400, 800, 11, QColor(110, 170, 230), QColor(150, 160, 70)), photos, "zorp4.jpg");
  ok &= Save(Shade(1000, 1000, Rings), photos, "rings.png");
  ok &= Save(Shade(400, 300, Checker), photos, "checker.bmp");
  ok &= Save(Shade(320, 240, Mandelbrot), photos, "mandelbrot.tga");
  ok &= Save(Shade(1200, 900, Mandelbrot), photos, "mandelbrot.jpg");
  ok &= Save(Shade(768, 1024, Stripes), photos, "stripes.jpg");
  ok &= Save(landscape(1200, 800, 19, QColor(20, 30, 80), QColor(40, 50, 70)), photos, "night.jpg");
  ok &= Save(landscape(1024, 768, 23, QColor(150, 190, 230), QColor(220, 220, 210)), photos, "snow.png");
  ok &= Save(landscape(1500, 1000, 29, QColor(90, 160, 220), QColor(200, 170, 90)), photos, "desert.jpg");
  ok &= Save(Shade(1024, 1024, Wood), textures, "Background.jpg");
  ok &= Save(Shade(512, 512, Paper), textures, "TransparentPaper.jpg");
  ok &= Save(Icon(), std::string(argv[1]) + "/icons", "pagewing.png");
  return ok ? 0 : 1;
}

// Renders SVG pictures into PNG files:
//   svg_to_png IN.svg OUT.png SIZE          a square PNG of SIZE px (the package's 48 px icon)
//   svg_to_png --pictures OUTDIR IN.svg...  NAME.png at the picture's own size and NAME@2x.png
//                                           at twice that, for a build without an SVG module
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool Render(QSvgRenderer& renderer, QSize size, const QString& out) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  if (!image.save(out, "PNG")) {
    std::fprintf(stderr, "svg_to_png: cannot write %s\n", qPrintable(out));
    return false;
  }
  return true;
}

int Pictures(const QString& out_dir, const QStringList& inputs) {
  for (const QString& in : inputs) {
    QSvgRenderer renderer(in);
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty()) {
      std::fprintf(stderr, "svg_to_png: cannot render %s\n", qPrintable(in));
      return 1;
    }
    const QString base = out_dir + QLatin1Char('/') + QFileInfo(in).completeBaseName();
    if (!Render(renderer, size, base + QLatin1String(".png")) ||
        !Render(renderer, size * 2, base + QLatin1String("@2x.png")))
      return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool pictures = argc >= 3 && QByteArray(argv[1]) == "--pictures";
  if (!pictures && argc != 4) {
    std::fputs(
        "usage: svg_to_png IN.svg OUT.png SIZE\n"
        "       svg_to_png --pictures OUTDIR IN.svg...\n",
        stderr);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (pictures) {
    QStringList inputs;
    for (int i = 3; i < argc; ++i) inputs << QString::fromLocal8Bit(argv[i]);
    return Pictures(QString::fromLocal8Bit(argv[2]), inputs);
  }
  const int size = QString::fromLocal8Bit(argv[3]).toInt();
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  if (!renderer.isValid() || size <= 0 || size > 4096) {
    std::fprintf(stderr, "svg_to_png: cannot render %s at %s px\n", argv[1], argv[3]);
    return 1;
  }
  return Render(renderer, QSize(size, size), QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}

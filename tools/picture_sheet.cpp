// Renders every tool picture of the tool dialog onto one contact sheet, each labelled with its
// index and the kinds and (kind, shape number) pairs that show it:
//
//   picture_sheet <resources folder> <sheet.png> [zoom]
//
// It reads the SVG files from the folder (not from the compiled resources), so a freshly drawn
// set can be looked at before it is built in. With a zoom factor the sheet is drawn larger, to
// look at the fine lines.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include "generators/tool/tool_catalogue.h"

namespace zel {
namespace {

constexpr int kMargin = 16;
constexpr int kGap = 14;
constexpr int kCaptionHeight = 44;
constexpr int kHeadingHeight = 34;
constexpr QSize kKindSize(312, 180);
constexpr QSize kShapeSize(252, 180);

QString KindList(const KindEntry& entry) {
  QStringList kinds;
  for (int kind : entry.kinds) kinds << QString::number(kind);
  return kinds.join(QLatin1Char(','));
}

struct Tile {
  QString file;
  QString title;
  QString users;
};

// Draws the tiles in rows of `columns`, from `top`; returns the bottom.
int DrawTiles(QPainter& painter, const QString& folder, const QList<Tile>& tiles, QSize size,
              int columns, int top, const QFont& title_font, const QFont& text_font,
              QStringList& missing) {
  const int cell_w = size.width() + kGap;
  const int cell_h = size.height() + kCaptionHeight + kGap;
  for (int i = 0; i < tiles.size(); ++i) {
    const int x = kMargin + (i % columns) * cell_w;
    const int y = top + (i / columns) * cell_h;
    QSvgRenderer renderer(folder + QLatin1Char('/') + tiles[i].file);
    const QRect place(QPoint(x, y), size);
    if (renderer.isValid()) {
      renderer.render(&painter, place);
    } else {
      missing << tiles[i].file;
      painter.fillRect(place, QColor(255, 220, 220));
    }
    if (renderer.defaultSize() != size) missing << tiles[i].file + QStringLiteral(" (size)");
    painter.setFont(title_font);
    painter.drawText(QRect(x, y + size.height() + 2, size.width(), 18),
                     Qt::AlignLeft | Qt::AlignVCenter, tiles[i].title);
    painter.setFont(text_font);
    painter.drawText(QRect(x, y + size.height() + 20, size.width(), kCaptionHeight - 20),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, tiles[i].users);
  }
  const int rows = (tiles.size() + columns - 1) / columns;
  return top + rows * cell_h;
}

int Run(const QString& folder, const QString& output, double zoom) {
  QList<Tile> kinds(kKindPictureCount);
  QMap<int, QStringList> shape_users;
  for (const KindEntry& entry : kToolCatalogue) {
    QStringList names;
    for (int kind : entry.kinds) names << kToolKindTexts[kind - 1].toString();
    kinds[entry.kind_picture] = {
        QStringLiteral("tool_kind_%1.svg").arg(entry.kind_picture),
        QStringLiteral("Picture1(%1)  kinds %2").arg(entry.kind_picture).arg(KindList(entry)),
        names.join(QStringLiteral(" / "))};
    for (const ShapeEntry& shape : entry.shapes) {
      shape_users[shape.shape_picture]
          << QStringLiteral("%1:%2").arg(KindList(entry)).arg(shape.shape);
    }
  }
  QList<Tile> shapes;
  for (int i = 0; i < kShapePictureCount; ++i) {
    shapes.append(
        {QStringLiteral("tool_shape_%1.svg").arg(i), QStringLiteral("Picture2(%1)").arg(i),
         QStringLiteral("kinds:shape  ") + shape_users.value(i).join(QStringLiteral("   "))});
  }

  const int kind_columns = 4;
  const int shape_columns = 5;
  const int width = kMargin * 2 + std::max(kind_columns * (kKindSize.width() + kGap),
                                           shape_columns * (kShapeSize.width() + kGap));
  const int kind_rows = (kinds.size() + kind_columns - 1) / kind_columns;
  const int shape_rows = (shapes.size() + shape_columns - 1) / shape_columns;
  const int height = kMargin * 2 + 2 * kHeadingHeight +
                     kind_rows * (kKindSize.height() + kCaptionHeight + kGap) +
                     shape_rows * (kShapeSize.height() + kCaptionHeight + kGap);

  QImage sheet(QSize(width, height) * zoom, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(zoom, zoom);
  QFont heading_font(QStringLiteral("IPAPGothic"));
  heading_font.setPixelSize(18);
  heading_font.setBold(true);
  QFont title_font(QStringLiteral("IPAPGothic"));
  title_font.setPixelSize(13);
  title_font.setBold(true);
  QFont text_font(QStringLiteral("IPAPGothic"));
  text_font.setPixelSize(11);

  QStringList missing;
  int top = kMargin;
  painter.setFont(heading_font);
  painter.drawText(QRect(kMargin, top, width, kHeadingHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("工具種類の図 Picture1(0..26)  312 × 180 px"));
  top += kHeadingHeight;
  top = DrawTiles(painter, folder, kinds, kKindSize, kind_columns, top, title_font, text_font,
                  missing);
  painter.setFont(heading_font);
  painter.drawText(QRect(kMargin, top, width, kHeadingHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("工具形状の図 Picture2(0..36)  252 × 180 px"));
  top += kHeadingHeight;
  DrawTiles(painter, folder, shapes, kShapeSize, shape_columns, top, title_font, text_font,
            missing);
  painter.end();

  QTextStream err(stderr);
  for (const QString& file : missing) err << "missing or wrong: " << file << "\n";
  if (!sheet.save(output)) {
    err << "cannot write " << output << "\n";
    return 1;
  }
  return missing.isEmpty() ? 0 : 1;
}

}  // namespace
}  // namespace zel

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    QTextStream(stderr) << "usage: picture_sheet <resources folder> <sheet.png> [zoom]\n";
    return 2;
  }
  const double zoom = argc > 3 ? QString::fromLocal8Bit(argv[3]).toDouble() : 1.0;
  return zel::Run(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                  zoom > 0 ? zoom : 1.0);
}

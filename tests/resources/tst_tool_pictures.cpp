#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#ifndef ZEL_PNG_PICTURES
#include <QSvgRenderer>
#endif

#include "generators/tool/tool_catalogue.h"
#include "platform/picture.h"
#include "tests/support/test_support.h"

namespace zel {
namespace {

// The texts of a picture with their font sizes, in document order.
struct PictureText {
  QString text;
  double size = 0;
};

QList<PictureText> TextsOf(const QString& resource) {
  QList<PictureText> texts;
  QFile file(test::PictureSource(resource));
  if (!file.open(QIODevice::ReadOnly)) return texts;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
      const double size = xml.attributes().value("font-size").toDouble();
      texts.append({xml.readElementText().trimmed(), size});
    }
  }
  return xml.hasError() ? QList<PictureText>{} : texts;
}

QString LetterOf(Dimension dimension) {
  switch (dimension) {
    case Dimension::kA1:
      return QStringLiteral("A1");
    case Dimension::kA2:
      return QStringLiteral("A2");
    case Dimension::kL:
      return QStringLiteral("L");
    case Dimension::kD:
      return QStringLiteral("D");
    case Dimension::kW:
      return QStringLiteral("W");
    case Dimension::kNR:
      return QStringLiteral("NR");
  }
  return {};
}

QString KindList(const KindEntry& entry) {
  QStringList kinds;
  for (int kind : entry.kinds) kinds << QString::number(kind);
  return kinds.join(QLatin1Char(','));
}

QString ShapeResource(int index) { return QStringLiteral(":/tool_shape_%1.svg").arg(index); }
QString KindResource(int index) { return QStringLiteral(":/tool_kind_%1.svg").arg(index); }

// Share of the picture's pixels that are not white once rendered at its own size.
double InkShare(const Picture& picture, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  picture.Paint(painter, QRect(QPoint(0, 0), size));
  painter.end();
  qsizetype inked = 0;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) inked += qGray(line[x]) < 200 ? 1 : 0;
  }
  return double(inked) / (size.width() * size.height());
}

}  // namespace

class TestToolPictures : public QObject {
  Q_OBJECT

 private slots:
  void ShapeLabelsMatchEveryPairUsingThePicture_data();
  void ShapeLabelsMatchEveryPairUsingThePicture();
  void KindPictureNumbersItsShapes_data();
  void KindPictureNumbersItsShapes();
  void EveryNamedPictureRendersAtItsSize_data();
  void EveryNamedPictureRendersAtItsSize();
  void EveryPictureIsNamedByTheCatalogue();
};

// One row per shape picture: the pairs that show it, with their field sets.
void TestToolPictures::ShapeLabelsMatchEveryPairUsingThePicture_data() {
  QTest::addColumn<int>("picture");
  QTest::addColumn<QList<int>>("field_sets");
  QMap<int, QStringList> users;
  QMap<int, QList<int>> sets;
  for (const KindEntry& entry : kToolCatalogue) {
    for (const ShapeEntry& shape : entry.shapes) {
      users[shape.shape_picture] << QStringLiteral("%1 #%2").arg(KindList(entry)).arg(shape.shape);
      sets[shape.shape_picture] << static_cast<int>(shape.field_set);
    }
  }
  for (auto it = users.cbegin(); it != users.cend(); ++it) {
    const QString name = QStringLiteral("shape %1 (kinds %2)").arg(it.key()).arg(it->join(", "));
    QTest::newRow(qPrintable(name)) << it.key() << sets[it.key()];
  }
}

// Every letter of every pair's field set is in the picture, and the picture names nothing but
// those letters and, where the set has a nose-radius row, NR.
void TestToolPictures::ShapeLabelsMatchEveryPairUsingThePicture() {
  QFETCH(int, picture);
  QFETCH(QList<int>, field_sets);
  const QList<PictureText> texts = TextsOf(ShapeResource(picture));
  QSet<QString> labels;
  for (const PictureText& text : texts) {
    labels.insert(text.text);
    QVERIFY2(text.size >= 11,
             qPrintable(QStringLiteral("label %1 is %2 px").arg(text.text).arg(text.size)));
  }
  for (int set_index : field_sets) {
    const FieldSetRows& rows = FieldSetOf(static_cast<FieldSet>(set_index));
    QSet<QString> allowed;
    for (Dimension dimension : rows.rows) {
      allowed.insert(LetterOf(dimension));
      QVERIFY2(labels.contains(LetterOf(dimension)),
               qPrintable(QStringLiteral("%1 missing").arg(LetterOf(dimension))));
    }
    if (rows.nose_row != NoseRow::kNever) allowed.insert(QStringLiteral("NR"));
    for (const QString& label : labels) {
      QVERIFY2(allowed.contains(label), qPrintable(QStringLiteral("%1 not in the set").arg(label)));
    }
  }
}

void TestToolPictures::KindPictureNumbersItsShapes_data() {
  QTest::addColumn<int>("picture");
  QTest::addColumn<QStringList>("numbers");
  for (const KindEntry& entry : kToolCatalogue) {
    QStringList numbers;
    for (const ShapeEntry& shape : entry.shapes) numbers << QString::number(shape.shape);
    const QString name =
        QStringLiteral("kind picture %1 (kinds %2)").arg(entry.kind_picture).arg(KindList(entry));
    QTest::newRow(qPrintable(name)) << entry.kind_picture << numbers;
  }
}

// A kind picture carries exactly its kinds' shape numbers, in the catalogue's order.
void TestToolPictures::KindPictureNumbersItsShapes() {
  QFETCH(int, picture);
  QFETCH(QStringList, numbers);
  QStringList texts;
  for (const PictureText& text : TextsOf(KindResource(picture))) {
    texts << text.text;
    QVERIFY(text.size >= 11);
  }
  QCOMPARE(texts, numbers);
}

void TestToolPictures::EveryNamedPictureRendersAtItsSize_data() {
  QTest::addColumn<QString>("resource");
  QTest::addColumn<QSize>("size");
  QSet<QString> seen;
  for (const KindEntry& entry : kToolCatalogue) {
    const QString kind = KindResource(entry.kind_picture);
    if (!seen.contains(kind)) {
      seen.insert(kind);
      QTest::newRow(qPrintable(kind)) << kind << QSize(312, 180);
    }
    for (const ShapeEntry& shape : entry.shapes) {
      const QString resource = ShapeResource(shape.shape_picture);
      if (seen.contains(resource)) continue;
      seen.insert(resource);
      QTest::newRow(qPrintable(resource)) << resource << QSize(252, 180);
    }
  }
}

// Picture1 is 312 x 180 px (4680 x 2700 twips), Picture2 252 x 180 px (3780 x 2700 twips),
// so that neither covers a field row, the nose-position frame or the output pane.
void TestToolPictures::EveryNamedPictureRendersAtItsSize() {
  QFETCH(QString, resource);
  QFETCH(QSize, size);
  QVERIFY2(QFile::exists(PictureFile(resource)), qPrintable(PictureFile(resource)));
  const Picture picture(resource);
  QVERIFY(picture.IsValid());
  QCOMPARE(picture.NaturalSize(), size);
#ifndef ZEL_PNG_PICTURES
  QCOMPARE(QSvgRenderer(resource).viewBoxF(), QRectF(QPointF(0, 0), QSizeF(size)));
#endif
  const double ink = InkShare(picture, size);
  QVERIFY2(ink > 0.03, qPrintable(QStringLiteral("only %1 of the picture is drawn").arg(ink)));
}

// Nothing drawn for nothing: every tool picture in the resources is one the catalogue shows,
// and the catalogue shows every index of both arrays.
void TestToolPictures::EveryPictureIsNamedByTheCatalogue() {
  QSet<int> kinds;
  QSet<int> shapes;
  for (const KindEntry& entry : kToolCatalogue) {
    kinds.insert(entry.kind_picture);
    for (const ShapeEntry& shape : entry.shapes) shapes.insert(shape.shape_picture);
  }
  QCOMPARE(kinds.size(), kKindPictureCount);
  QCOMPARE(shapes.size(), kShapePictureCount);
  QVERIFY(!QFile::exists(PictureFile(KindResource(kKindPictureCount))));
  QVERIFY(!QFile::exists(PictureFile(ShapeResource(kShapePictureCount))));
}

}  // namespace zel

QTEST_MAIN(zel::TestToolPictures)
#include "tst_tool_pictures.moc"

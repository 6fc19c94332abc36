#pragma once

#include <QString>

namespace zel {

// How the jaws hold the material: on its outside or inside diameter.
enum class ChuckClamping { kOutside, kInside };
// Whether the material is held in the chuck alone or also by the tailstock centre.
enum class WorkHolding { kChuckWork, kCentreWork };

// Everything the chuck and tailstock block is made of: the field texts exactly as typed and
// the choices of the dialog.
struct ChuckBlockInput {
  QString d1;  // jaw step D1    -> VCHKD
  QString l1;  // jaw step L1    -> VCHKL
  QString cx;  // jaw position CX -> VCHKX
  QString cz;  // jaw position CZ -> VCHKZ
  QString d2;  // centre hole diameter D2 -> VTSDA
  QString d3;  // centre shaft diameter D3 -> VTSDB
  QString l2;  // centre length L2 -> VTSL
  QString wr;  // material end face WR -> VWKR
  ChuckClamping clamping = ChuckClamping::kOutside;
  WorkHolding holding = WorkHolding::kChuckWork;
  bool switching_variables = false;  // write VCHIO and VCHSW at the head
  bool barrier = false;              // write the barrier M-codes at the end
};

// The statement texts of the block.
namespace chuck_text {
inline const QString kOdClamp = QStringLiteral("NOEX VCHIO=0 (OD CLAMP)");
inline const QString kIdClamp = QStringLiteral("NOEX VCHIO=1 (ID CLAMP)");
inline const QString kChuckWork = QStringLiteral("NOEX VCHSW=0 (CHUCK WORK)");
inline const QString kCenterWork = QStringLiteral("NOEX VCHSW=1 (CENTER WORK)");
inline const QString kJawSizeHead = QStringLiteral("NOEX VCHKD=");
inline const QString kJawSizeMid = QStringLiteral(" VCHKL=");
inline const QString kJawPositionHead = QStringLiteral("NOEX VCHKX=");
inline const QString kJawPositionMid = QStringLiteral(" VCHKZ=");
inline const QString kCentreSizeHead = QStringLiteral("NOEX VTSDA=");
inline const QString kCentreSizeMid = QStringLiteral(" VTSDB=");
inline const QString kCentreLengthHead = QStringLiteral("NOEX VTSL=");
inline const QString kCentreLengthMid = QStringLiteral(" VWKR=");
inline const QString kEndFaceHead = QStringLiteral("NOEX VWKR=");
inline const QString kChuckBarrier = QStringLiteral("N000 M25 (CHUCK BARRIER ON)");
inline const QString kTailstockBarrier = QStringLiteral("N000 M21 (TAILSTOCK BARRIER ON)");
inline const QString kLineEnd = QStringLiteral("\r\n");
}  // namespace chuck_text

// The end-face position that stands in WR while the material is held in the chuck alone.
inline const QString kChuckWorkEndFace = QStringLiteral("9999");

// The chuck and tailstock block, every line ended by "\r\n": the switching variables when
// asked for, the jaw size and jaw position lines, the centre lines with the end face (centre
// work) or the end face alone (chuck work), and the barrier lines when asked for. The field
// texts go in verbatim: no trimming, no number conversion, no check.
QString MakeChuckBlock(const ChuckBlockInput& input);

// True when every value the transfer needs is filled in: D1, L1, CX and CZ always, D2, D3,
// L2 and WR in centre work. Only an empty text is missing; blanks count as a value.
bool ChuckValuesComplete(const ChuckBlockInput& input);

}  // namespace zel

#pragma once

#include <QString>

// Fixed texts of the find and replace windows; the controls' captions stand in the dialogs'
// placement tables. Mind the blanks: the find dialog's messages start with a blank, those of
// F3 do not; "変　更" reports with an ideographic space, "全て変更" and "スキップ" with an
// ordinary one.
namespace zel::search_texts {

// Find dialog (frmFind).
inline const QString kFindCaption = QStringLiteral("検索");

// Messages of the find dialog's "検 索" (caption kFindCaption).
inline const QString kFoundCountDialog = QStringLiteral(" 回 見つかりました。");
inline const QString kNotFoundDialog = QStringLiteral(" は見つかりませんでした。");
// Messages of find next, F3 (caption kFindCaption).
inline const QString kFoundCountNext = QStringLiteral("回 見つかりました。");
inline const QString kNotFoundNext = QStringLiteral("は見つかりませんでした。");

// Replace dialog (frmReplace).
inline const QString kReplaceCaption = QStringLiteral("文字列の置き換え");

// Messages of the replace dialog.
inline const QString kReplaceMessageCaption = QStringLiteral("置き換え");
inline const QString kChangedCountChange = QStringLiteral(" 回　変更しました。");  // "変　更"
inline const QString kChangedCountAll =
    QStringLiteral(" 回 変更しました。");  // "全て変更", "スキップ"
inline const QString kNotFoundReplace = QStringLiteral(" 見つかりませんでした。");

}  // namespace zel::search_texts

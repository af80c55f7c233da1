// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search side of the main window: the dictionary choice, the search driver, NL pages, the
// history and the query entry, with the window state they share. It acts on the window's
// controls through the view it holds; the window routes their events to the reactions below.

#include "search_view.h"

#include <QObject>
#include <QString>
#include <QtGlobal>

#include <memory>

class SearchHost;
class SearchSession;
class UserPrompts;

class DictionarySearch : public QObject {
    Q_OBJECT
public:
    // The values of HistoryFlag.
    static constexpr qint16 HistoryIdle = 0;         // the next search records nothing
    static constexpr qint16 HistoryRecord = 1;       // the next search records QW
    static constexpr qint16 HistoryMovedByCode = -1; // a selection change is no click

    DictionarySearch(const SearchView& view, SearchHost& host, QObject* parent = nullptr);
    ~DictionarySearch() override;

    // Shared window state.
    QString DictPath;
    QString DictFileName;
    QString QueryRoot;
    qint16 ExactMatchPos = 0;
    qint16 HistoryFlag = HistoryIdle; // neither 1 nor -1 at start
    qint16 NLPage = 0;
    float ListsTop = 0;     // set by the window's layout
    float BottomRowTop = 0; // set by the window's layout

    // Dictionary choice.
    void mOpen_Click();
    void mChange_Click();
    void OpenDictionary();

    // Search driver, pages, history and query entry.
    void DoSearch();
    void LoadNLPage();
    void RecordHistory();
    void ApplyHistoryEnabling();
    void Storia_Click();
    void Storia_DblClick();
    void CmdBack_Click();
    void CmdForw_Click();
    void Parola_KeyDown(int keyCode);
    void Parola_KeyPress(int charCode);
    void CmdVai_Click();
    void ListZ_DblClick();
    void ListY_DblClick();
    void Sbianca_Click();
    void CmdPagN_Click();
    void CmdPagP_Click();
    void CmdClear_Click();

    enum class PageButtons { Both, NextOnly };
    // Empties NL and WL unless the keep box holds them, hiding the page buttons named;
    // true when they were emptied.
    bool emptyListsUnlessKept(PageButtons hidden);

    // Closes whatever file a search or page load still holds open; the program ends next.
    void closeFiles();

    // The window's controls it acts on.
    const SearchView& view() const { return view_; }
    UserPrompts& prompts();
    SearchHost& host() { return host_; }
    // The state that outlives one reaction: scanner binding, open exchange file, busy flag.
    SearchSession& session() { return *session_; }

private:
    SearchView view_;
    SearchHost& host_;
    std::unique_ptr<SearchSession> session_;
};

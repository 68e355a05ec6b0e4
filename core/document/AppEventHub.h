#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

class CTesseraDoc;
class CTesseraView;
class CSiteView;
class CObjectView;
class CPropertiesWnd;
class CMainFrame;

// The numbered requests through which panes, dialogs, the design view, the model
// and browser callbacks ask each other for work.
enum AppEvent : int {
    ActiveDocumentChanged = 0,
    ActiveViewChanged = 1,
    RefreshProperties = 2,
    ClearPanes = 3,
    RefreshDesignPage = 4,
    InsertObject = 5,
    AppendObject = 6,
    RefreshWidgetTree = 7,
    RefreshSiteTree = 8,
    MouseLeftDown = 9,
    MouseLeftUp = 10,
    MouseRightDown = 11,
    MouseRightUp = 12,
    MouseMove = 13,
    MouseDoubleClick = 14,
    RecordPropertyChange = 15,
    DropLastUndo = 16,
    DeleteObject = 17,
    MarkCheckedObjects = 18,
    AddPage = 19,
    DeletePage = 20,
    ShowPage = 21,
    ClonePage = 22,
    EndEdit = 23,
    EditObject = 24,
    SetModified = 25,
    EditCode = 26,
    EditNavData = 27,
    EditLink = 28,
    PickIcon = 29,
    MoveObjectRight = 30,
    MoveObjectLeft = 31,
    MoveObjectUp = 32,
    MoveObjectDown = 33,
    ShowObjectContextMenu = 34,
    DisableAccelerators = 35,
    RestoreAccelerators = 36,
    SyncAccelerators = 37,
    CutPage = 38,
    CopyPage = 39,
    PastePage = 40,
    FocusDesignView = 41,
    LoadTemplate = 42,
    ArmInsertWidget = 43,
    ScrollToObject = 44,
};

constexpr int kAppEventCount = 45;

// One request: the event number and up to three arguments (object pointers or
// integers, 0 when absent). Text arguments travel in `text`, owned by the record,
// so a posted request never points at a caller's buffer.
struct EventRecord {
    int event = 0;
    intptr_t first = 0;
    intptr_t second = 0;
    intptr_t third = 0;
    std::string text;
};

class AppEventHub {
public:
    using Handler = std::function<void(const EventRecord&)>;
    // Delivers a record to the user-interface thread later, in posting order.
    using Poster = std::function<void(EventRecord)>;

    static AppEventHub& Instance();

    // Runs the event at once on the user-interface thread; queues it from others.
    void Dispatch(const EventRecord& record);
    void Dispatch(int event, intptr_t first = 0, intptr_t second = 0, intptr_t third = 0);
    // Always queues, so the event runs after the current work has ended.
    void Post(EventRecord record);
    void Post(int event, intptr_t first = 0, intptr_t second = 0, intptr_t third = 0);
    // Runs a queued record: what the poster's delivery calls on the interface thread.
    void Deliver(const EventRecord& record) { Dispatch(record); }

    // Handlers are installed by whoever owns the behaviour (the design view).
    void SetHandler(int event, Handler handler);
    void ClearHandlers();
    void SetPoster(Poster poster) { poster_ = std::move(poster); }
    // The thread whose dispatches run at once; the creating thread by default.
    void SetUserInterfaceThread(std::thread::id id) { uiThread_ = id; }
    bool OnUserInterfaceThread() const { return std::this_thread::get_id() == uiThread_; }

    CTesseraDoc* lastDocument = nullptr;
    CTesseraView* lastView = nullptr;
    CSiteView* siteTree = nullptr;
    CObjectView* widgetTree = nullptr;
    CPropertiesWnd* propertyWindow = nullptr;
    CMainFrame* mainFrame = nullptr;

private:
    AppEventHub();

    std::thread::id uiThread_;
    Handler handlers_[kAppEventCount];
    Poster poster_;
};

// The picture control: which cells a correct answer uncovers, how covered
// and uncovered cells look on screen, and which picture each test shows.
#include "PictureTestSupport.h"
#include "framework/Dpi.h"
#include "pictures/PictureCtrl.h"
#include "session/RandomDraw.h"
#include <cstdlib>
#include <algorithm>
#include <vector>
#include <set>

using picturetest::PictureFixture;
using picturetest::WindowPixels;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);

// A seed after which the generator's first draw below n is the given value.
unsigned SeedForFirstDraw(int n, int value)
{
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        if (std::rand() * n / 32768 == value)
            return seed;
    }
}

// Decodes picture index of the theme as the control should show it.
void ReadThemePicture(HMODULE theme, int index, CImage& image)
{
    HRSRC resource = ::FindResourceW(theme, MAKEINTRESOURCEW(129 + index), L"JPG");
    ASSERT_NE(resource, nullptr) << "picture " << index;
    HGLOBAL loaded = ::LoadResource(theme, resource);
    ASSERT_TRUE(image.ReadMemory(::LockResource(loaded), ::SizeofResource(theme, resource)));
}

class PictureCtrlTest : public PictureFixture {
protected:
    void SetUp() override
    {
        PictureFixture::SetUp();
        host = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 260, 320,
                                 nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(host, nullptr);
    }
    void TearDown() override
    {
        if (control.IsWindow())
            control.DestroyWindow();
        ::DestroyWindow(host);
        PictureFixture::TearDown();
    }

    // Makes a theme case of bin/theme_cases the current theme.
    void UseTheme(const wchar_t* name)
    {
        PictureTheme theme;
        ASSERT_TRUE(LoadPictureTheme(testutil::ExecutableFolder() + L"\\theme_cases", name, theme));
        globals->m_hCurrentTheme = theme.library.get();
        globals->m_themes.push_back(std::move(theme));
    }

    // Starts tests (Create and DestroyWindow) until the next one shows the
    // picture index wanted.
    void SkipToPicture(int index)
    {
        for (int i = 0; i < 16 && control.PictureIndex() != index; ++i) {
            ASSERT_TRUE(control.Create(host));
            control.DestroyWindow();
        }
        ASSERT_EQ(control.PictureIndex(), index);
    }

    WindowPixels Painted()
    {
        control.RedrawNow();
        testutil::PumpMessages(30);
        return WindowPixels(control.m_hWnd);
    }

    HWND host = nullptr;
    CPictureCtrl control;
};

// below: what the cell under the tile shows at (x + 1, y + 15), where the
// tile's light left edge ends undrawn.
void ExpectCoveredTile(const WindowPixels& shot, int x, int y, COLORREF below, const char* where)
{
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    SCOPED_TRACE(where);
    EXPECT_EQ(shot.At(x + 14, y + 1), kWhite);
    EXPECT_EQ(shot.At(x + 1, y + 1), kWhite);
    EXPECT_EQ(shot.At(x + 13, y + 1), kWhite);
    EXPECT_EQ(shot.At(x + 1, y + 14), kWhite);
    EXPECT_EQ(shot.At(x + 1, y + 15), below);
    EXPECT_EQ(shot.At(x + 14, y + 2), kGrey);
    EXPECT_EQ(shot.At(x + 14, y + 14), kGrey);
    EXPECT_EQ(shot.At(x + 2, y + 14), kGrey);
    EXPECT_EQ(shot.At(x + 7, y + 7), face);
    EXPECT_EQ(shot.At(x, y), face);
}

// Number of pixels of the 15 x 15 cell at (x, y) that differ from the picture.
int DifferentPixels(const WindowPixels& shot, const CImage& picture, int x, int y)
{
    int different = 0;
    for (int dy = 0; dy < 15; ++dy)
        for (int dx = 0; dx < 15; ++dx)
            different += shot.At(x + dx, y + dy) != picture.PixelAt(x + dx, y + dy);
    return different;
}

} // namespace

TEST(PictureCells, UncoverTakesTheCellOrTheNextCoveredOneDownTheColumnsThenWraps)
{
    CPictureCtrl control;
    EXPECT_EQ(control.UncoveredCount(), 0);
    control.UncoverCellFrom(5);
    EXPECT_FALSE(control.IsCovered(5));
    control.UncoverCellFrom(5); // taken: the next one down the same column
    EXPECT_FALSE(control.IsCovered(6));
    control.UncoverCellFrom(19); // bottom of column 0: next is the top of column 1
    control.UncoverCellFrom(19);
    EXPECT_FALSE(control.IsCovered(CPictureCtrl::CellAt(1, 0)));
    EXPECT_EQ(CPictureCtrl::CellAt(1, 0), 20);
    EXPECT_EQ(CPictureCtrl::CellAt(15, 19), 319);
    EXPECT_EQ(control.UncoveredCount(), 4);

    // Only cell 0 covered and the draw 319: past the end, back to the start.
    for (int cell = 1; cell < 320; ++cell)
        if (control.IsCovered(cell))
            control.UncoverCellFrom(cell);
    ASSERT_EQ(control.UncoveredCount(), 319);
    ASSERT_TRUE(control.IsCovered(0));
    std::srand(SeedForFirstDraw(320, 319));
    control.UncoverCell();
    EXPECT_FALSE(control.IsCovered(0));
    EXPECT_EQ(control.UncoveredCount(), 320);

    // Nothing left: no change, wherever the draw lands.
    control.UncoverCell();
    control.UncoverCellFrom(0);
    control.UncoverCellFrom(319);
    EXPECT_EQ(control.UncoveredCount(), 320);
}

TEST(PictureCells, EachCorrectAnswerUncoversItsShareAndTheLastOneUncoversAll)
{
    // As the test run does it: after n correct answers of NumWords, uncover
    // up to n x 320 / NumWords cells, one UncoverCell per cell.
    // The share of one answer lies all over the picture, not in a block.
    for (int numWords : {3, 10, 7}) {
        CPictureCtrl control;
        std::srand(static_cast<unsigned>(numWords)); // after the control's own seeding
        for (int correct = 1; correct <= numWords; ++correct) {
            int target = correct * 320 / numWords;
            while (control.UncoveredCount() < target) {
                int before = control.UncoveredCount();
                control.UncoverCell();
                ASSERT_EQ(control.UncoveredCount(), before + 1) << "every call uncovers exactly one cell";
            }
            if (correct == 1) {
                std::set<int> columns, rows;
                for (int cell = 0; cell < 320; ++cell)
                    if (!control.IsCovered(cell)) {
                        columns.insert(cell / 20);
                        rows.insert(cell % 20);
                    }
                EXPECT_GE(columns.size(), numWords == 3 ? 15u : 8u) << numWords;
                EXPECT_GE(rows.size(), numWords == 3 ? 19u : 10u) << numWords;
            }
        }
        EXPECT_EQ(control.UncoveredCount(), 320) << numWords;
    }

    // A share uncovered at once takes the very cells one call per cell takes
    // from the same draws, and stops when none is left.
    CPictureCtrl oneByOne, atOnce;
    for (int share : {107, 0, 1, 106, 200}) {
        std::srand(static_cast<unsigned>(share + 11));
        for (int i = 0; i < share; ++i)
            oneByOne.UncoverCell();
        std::srand(static_cast<unsigned>(share + 11));
        atOnce.UncoverCells(share);
        for (int cell = 0; cell < 320; ++cell)
            ASSERT_EQ(atOnce.IsCovered(cell), oneByOne.IsCovered(cell)) << "cell " << cell << " after " << share;
    }
    EXPECT_EQ(atOnce.UncoveredCount(), 320);
}

TEST(PictureCells, RunsStartedSecondsApartOpenOnDifferentPictures)
{
    // A run is seeded from its clock second before its control is made.
    std::set<int> firstPictures;
    for (long long second = 1700000000; second < 1700000060; ++second) {
        SeedDraws(second);
        firstPictures.insert(CPictureCtrl().PictureIndex());
    }
    EXPECT_GE(firstPictures.size(), 12u);
}

TEST_F(PictureCtrlTest, CoveredCellsShowRaisedTilesAndUncoveredCellsThePicture)
{
    UseTheme(L"alpine.dll");
    int index = control.PictureIndex();
    ASSERT_TRUE(control.Create(host));
    RECT rc = control.GetWindowRect();
    ::MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(rc.left, 5);
    EXPECT_EQ(rc.top, 5);
    EXPECT_EQ(rc.right - rc.left, 243);
    EXPECT_EQ(rc.bottom - rc.top, 303);
    EXPECT_EQ(::GetDlgCtrlID(control.m_hWnd), 501);

    CImage expected;
    ReadThemePicture(globals->m_hCurrentTheme, index, expected);
    ASSERT_EQ(expected.Width(), 240);
    ASSERT_EQ(expected.Height(), 300);

    // Cells 1 (column 0, row 1), 20 (column 1, row 0) and 319 (the last),
    // and every third cell of the rest.
    std::set<int> uncovered{1, 20, 319};
    for (int cell = 2; cell < 320; cell += 3)
        uncovered.insert(cell);
    // Painted whole with every cell covered first: uncovering paints only
    // the cells it uncovers, and those must be all of them.
    Painted();
    for (int cell : uncovered)
        control.UncoverCellFrom(cell);
    control.UpdateWindow();
    WindowPixels shot(control.m_hWnd);
    ASSERT_EQ(shot.Width(), 243);

    EXPECT_EQ(DifferentPixels(shot, expected, 0, 15), 0) << "cell 1";
    EXPECT_EQ(DifferentPixels(shot, expected, 15, 0), 0) << "cell 20";
    EXPECT_EQ(DifferentPixels(shot, expected, 225, 285), 0) << "cell 319";
    ExpectCoveredTile(shot, 0, 0, expected.PixelAt(1, 15), "cell 0 over uncovered cell 1");
    ExpectCoveredTile(shot, 15, 15, ::GetSysColor(COLOR_BTNFACE), "cell 21 over covered cell 22");
    int wrongCovered = 0, wrongUncovered = 0;
    for (int column = 0; column < 16; ++column) {
        for (int row = 0; row < 20; ++row) {
            int x = column * 15, y = row * 15;
            if (uncovered.count(column * 20 + row))
                wrongUncovered += DifferentPixels(shot, expected, x, y) != 0;
            else
                wrongCovered += shot.At(x + 1, y + 1) != kWhite || shot.At(x + 14, y + 14) != kGrey;
        }
    }
    EXPECT_EQ(wrongUncovered, 0);
    EXPECT_EQ(wrongCovered, 0);
}

TEST_F(PictureCtrlTest, OnALargerScaleTheControlItsTilesAndThePictureGrowInProportion)
{
    UseTheme(L"alpine.dll");
    int index = control.PictureIndex();
    ::SetWindowPos(host, nullptr, 0, 0, 520, 640, SWP_NOMOVE | SWP_NOZORDER);
    fw::SetWindowDpi(host, 192);
    ASSERT_TRUE(control.Create(host));
    RECT rc = control.GetWindowRect();
    ::MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(std::vector<long>({rc.left, rc.top, rc.right, rc.bottom}), std::vector<long>({10, 10, 496, 616}));
    CImage expected;
    ReadThemePicture(globals->m_hCurrentTheme, index, expected);
    control.UncoverCellFrom(1); // column 0, row 1
    WindowPixels shot = Painted();

    // A covered tile at twice the size: edges two pixels wide, the face between.
    for (int d : {2, 3})
        EXPECT_EQ(shot.At(10, d), kWhite) << d;
    EXPECT_EQ(shot.At(28, 10), kGrey);
    EXPECT_EQ(shot.At(29, 10), kGrey);
    EXPECT_EQ(shot.At(14, 14), ::GetSysColor(COLOR_BTNFACE));
    // The uncovered cell shows the picture smoothly enlarged: every pixel a
    // blend of the picture's pixels around the one it comes from, and most
    // 2 x 2 blocks not four copies of one pixel.
    int outside = 0, copies = 0;
    for (int y = 30; y < 60; ++y)
        for (int x = 0; x < 30; ++x) {
            COLORREF shown = shot.At(x, y);
            for (int channel : {0, 8, 16}) {
                int value = (shown >> channel) & 0xFF, low = 255, high = 0;
                for (int sy = std::max(0, y / 2 - 1); sy <= y / 2 + 1; ++sy)
                    for (int sx = std::max(0, x / 2 - 1); sx <= x / 2 + 1; ++sx) {
                        int source = (expected.PixelAt(sx, sy) >> channel) & 0xFF;
                        low = std::min(low, source);
                        high = std::max(high, source);
                    }
                outside += value < low - 1 || value > high + 1;
            }
            if (x % 2 == 0 && y % 2 == 0)
                copies += shown == shot.At(x + 1, y) && shown == shot.At(x, y + 1) && shown == shot.At(x + 1, y + 1);
        }
    EXPECT_EQ(outside, 0);
    EXPECT_LT(copies, 15 * 15 / 2);
    // Back at 100 % the control takes its own size again.
    fw::SetWindowDpi(host, 96);
    ::SendMessageW(control.m_hWnd, fw::kDpiChangedAfterParentMessage, 0, 0);
    rc = control.GetWindowRect();
    EXPECT_EQ(rc.right - rc.left, 243);
    EXPECT_EQ(rc.bottom - rc.top, 303);
    fw::SetWindowDpi(host, 0);
}

TEST_F(PictureCtrlTest, EveryTestShowsTheNextPictureFullyCoveredAndTheSeventeenthRepeatsTheFirst)
{
    // Pictures are decoded from memory: another program's file of the old
    // shared name in the temporary folder is never written or deleted.
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring sentinel = std::wstring(temp) + L"tmp.jpg";
    ASSERT_TRUE(testutil::WriteFileBytes(sentinel, "another program's file"));
    UseTheme(L"alpine.dll");
    int first = control.PictureIndex();
    ASSERT_GE(first, 0);
    ASSERT_LT(first, 16);
    CImage firstPicture;
    for (int test = 0; test < 17; ++test) {
        int index = control.PictureIndex();
        EXPECT_EQ(index, (first + test) % 16);
        ASSERT_TRUE(control.Create(host));
        EXPECT_EQ(control.UncoveredCount(), 0) << "test " << test;
        EXPECT_EQ(control.PictureIndex(), (index + 1) % 16);
        CImage expected;
        ReadThemePicture(globals->m_hCurrentTheme, index, expected);
        EXPECT_EQ(control.Image().PixelAt(120, 150), expected.PixelAt(120, 150));
        if (test == 0)
            ReadThemePicture(globals->m_hCurrentTheme, index, firstPicture);
        if (test == 16) {
            for (int xy = 0; xy < 240; xy += 17)
                EXPECT_EQ(control.Image().PixelAt(xy, xy), firstPicture.PixelAt(xy, xy));
        }
        for (int i = 0; i < 50; ++i)
            control.UncoverCell();
        EXPECT_TRUE(control.DestroyWindow());
        EXPECT_FALSE(control.IsWindow());
        EXPECT_EQ(control.UncoveredCount(), 0);
    }
    // A second Create without DestroyWindow replaces the window.
    ASSERT_TRUE(control.Create(host));
    control.UncoverCell();
    ASSERT_TRUE(control.Create(host));
    EXPECT_EQ(control.UncoveredCount(), 0);
    EXPECT_EQ(::GetWindow(host, GW_CHILD), control.m_hWnd);
    EXPECT_EQ(::GetWindow(control.m_hWnd, GW_HWNDNEXT), nullptr);
    Painted();
    control.DestroyWindow();

    // Another theme chosen between two tests: the next one shows that
    // theme's picture, not the old theme's decoded ahead meanwhile.
    SkipToPicture(0);
    HMODULE alpine = globals->m_hCurrentTheme;
    UseTheme(L"coast.dll");
    ASSERT_TRUE(control.Create(host));
    CImage fromAlpine, fromCoast;
    ReadThemePicture(alpine, 0, fromAlpine);
    ReadThemePicture(globals->m_hCurrentTheme, 0, fromCoast);
    ASSERT_NE(fromAlpine.PixelAt(120, 150), fromCoast.PixelAt(120, 150)) << "the two themes differ there";
    EXPECT_EQ(control.Image().PixelAt(120, 150), fromCoast.PixelAt(120, 150));
    control.DestroyWindow();
    EXPECT_EQ(testutil::ReadFileBytes(sentinel), "another program's file");
    ::DeleteFileW(sentinel.c_str());
}

TEST_F(PictureCtrlTest, MissingOrDamagedPicturesLeaveTheTilesOverTheButtonFace)
{
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    // No current theme, then the coast theme's damaged picture 1 and missing picture 2.
    ASSERT_TRUE(control.Create(host));
    EXPECT_TRUE(control.Image().IsEmpty());
    control.DestroyWindow();
    UseTheme(L"coast.dll");
    for (int index : {1, 2, 15}) {
        SkipToPicture(index);
        ASSERT_TRUE(control.Create(host)) << index;
        EXPECT_TRUE(control.Image().IsEmpty()) << index;
        EXPECT_EQ(control.PictureIndex(), (index + 1) % 16);
        control.UncoverCellFrom(0);
        WindowPixels shot = Painted();
        ExpectCoveredTile(shot, 15, 0, face, "a covered cell");
        EXPECT_EQ(shot.At(1, 1), face) << "an uncovered cell over no picture";
        EXPECT_EQ(shot.At(7, 7), face);
        control.DestroyWindow();
    }
    // Picture 0 of the same theme is fine.
    SkipToPicture(0);
    ASSERT_TRUE(control.Create(host));
    EXPECT_EQ(control.Image().Width(), 240);
}

TEST(PictureImage, ReadsFilesAndMemoryAlikeRefusesWhatIsNoPictureAndDrawsItself)
{
    PictureTheme theme;
    ASSERT_TRUE(LoadPictureTheme(testutil::ExecutableFolder() + L"\\theme_cases", L"alpine.dll", theme));
    CImage fromMemory;
    ReadThemePicture(theme.library.get(), 3, fromMemory);

    HRSRC resource = ::FindResourceW(theme.library.get(), MAKEINTRESOURCEW(132), L"JPG");
    std::string bytes(static_cast<const char*>(::LockResource(::LoadResource(theme.library.get(), resource))),
                      ::SizeofResource(theme.library.get(), resource));
    picturetest::ThemeFolder folder;
    std::wstring path = folder.PathOf(L"picture.jpg");
    testutil::WriteFileBytes(path, bytes);
    CImage fromFile;
    EXPECT_TRUE(fromFile.ReadFile(path));
    ::DeleteFileW(path.c_str());
    ASSERT_EQ(fromFile.Width(), 240);
    ASSERT_EQ(fromFile.Height(), 300);
    for (int y = 0; y < 300; y += 37) {
        for (int x = 0; x < 240; x += 23)
            ASSERT_EQ(fromFile.PixelAt(x, y), fromMemory.PixelAt(x, y)) << x << "," << y;
    }
    EXPECT_EQ(fromFile.PixelAt(240, 0), CLR_INVALID);

    // Drawn at its own size into a bitmap of its own size; an empty image draws nothing.
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 240, 300);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    EXPECT_TRUE(fromFile.Draw(memory, 0, 0, -1, -1, 0, 0));
    EXPECT_EQ(::GetPixel(memory, 0, 0), fromFile.PixelAt(0, 0));
    EXPECT_EQ(::GetPixel(memory, 239, 299), fromFile.PixelAt(239, 299));
    EXPECT_EQ(::GetPixel(memory, 100, 200), fromFile.PixelAt(100, 200));
    EXPECT_FALSE(CImage().Draw(memory, 0, 0));
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);

    // A palette of the picture's own colours for palette displays.
    EXPECT_TRUE(fromFile.MakePalette(236));
    ASSERT_NE(fromFile.GetPalette(), nullptr);
    UINT entries = ::GetPaletteEntries(fromFile.GetPalette(), 0, 0, nullptr);
    EXPECT_GT(entries, 16u);
    EXPECT_LE(entries, 236u);

    // What is no picture leaves an empty image, also after a good one.
    EXPECT_FALSE(fromFile.ReadFile(folder.PathOf(L"missing.jpg")));
    EXPECT_TRUE(fromFile.IsEmpty());
    EXPECT_EQ(fromFile.GetPalette(), nullptr);
    EXPECT_FALSE(fromMemory.ReadMemory("not a picture", 13));
    EXPECT_TRUE(fromMemory.IsEmpty());
    EXPECT_FALSE(fromMemory.ReadMemory(bytes.data(), 0));
}

namespace {

struct ObjectMaking {
    CLSID clsid{};
    HRESULT made = E_PENDING;
};

// Makes an object of the class in a single-threaded apartment of its own.
DWORD WINAPI MakeObject(void* param)
{
    auto* making = static_cast<ObjectMaking*>(param);
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IUnknown* object = nullptr;
    making->made = ::CoCreateInstance(making->clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                      reinterpret_cast<void**>(&object));
    if (object)
        object->Release();
    ::CoUninitialize();
    return 0;
}

} // namespace

TEST_F(PictureCtrlTest, WhileTheNextPictureIsDecodedAheadAnObjectForTheFirstApartmentIsStillMade)
{
    // A class registered without a threading model (as some shell extensions
    // a file dialog loads are) is made in the program's first single-threaded
    // apartment, which must answer for it. The program keeps no apartment on
    // its own thread between pictures, as this test's thread keeps none here.
    const std::wstring clsidText = L"{6F1D2B3A-4C5E-4A7B-9E8D-1A2B3C4D5E6F}";
    const std::wstring classKey = L"Software\\Classes\\CLSID\\" + clsidText;
    HKEY server = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, (classKey + L"\\InprocServer32").c_str(), 0, nullptr, 0,
                                KEY_SET_VALUE, nullptr, &server, nullptr),
              ERROR_SUCCESS);
    const wchar_t dll[] = L"windowscodecs.dll";
    ::RegSetValueExW(server, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(dll), sizeof(dll));
    ::RegCloseKey(server);
    // Every apartment this thread entered is left, and entered again after.
    APTTYPE type{};
    APTTYPEQUALIFIER qualifier{};
    int entered = 0;
    for (; entered < 100 && ::CoGetApartmentType(&type, &qualifier) != CO_E_NOTINITIALIZED; ++entered)
        ::CoUninitialize();
    const bool left = ::CoGetApartmentType(&type, &qualifier) == CO_E_NOTINITIALIZED;
    UseTheme(L"alpine.dll");
    for (int test = 0; test < 2; ++test) { // the second waits for the picture decoded ahead
        EXPECT_TRUE(control.Create(host)); // on failure this thread's apartments are still restored
        control.DestroyWindow();
    }
    // Static: a thread that hangs outlives this test.
    static ObjectMaking making;
    ::CLSIDFromString(clsidText.c_str(), &making.clsid);
    HANDLE maker = ::CreateThread(nullptr, 0, MakeObject, &making, 0, nullptr);
    const DWORD waited = maker ? ::WaitForSingleObject(maker, 5000) : WAIT_FAILED;
    if (maker)
        ::CloseHandle(maker);
    for (int i = 0; i < entered; ++i)
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, classKey.c_str());
    ASSERT_TRUE(left) << "this thread still has an apartment, which would host the object";
    EXPECT_EQ(waited, WAIT_OBJECT_0) << "making the object hangs";
    EXPECT_NE(making.made, REGDB_E_CLASSNOTREG) << "the class was not found, so nothing was tried";
}

// Random use of a shown grid: a seeded sequence of what users and hosts do (the tree changed,
// categories expanded and collapsed, columns added and removed, styles and sizes changed, keys,
// clicks on cells, typing, the Edit commands, and hosts that change the tree from inside the
// notifications they hear), with the grid checked after every step: its rows are the tree's,
// its selection a row, its active and capture properties in the tree.
//
// The suite runs a few short sequences. The long run is started by hand:
//     build/wine-run.sh build/bin/random_tests.exe --gtest_also_run_disabled_tests
//         --gtest_filter=RandomUse.DISABLED_LongRun
// PG_RANDOM_OPERATIONS (100000 unless set) and PG_RANDOM_FIRST_SEED (1) choose its length and
// its first seed; a failure prints its seed and the shortest sequence found that still fails.
#include "GridChecks.h"
#include "ModalTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

enum class Op
{
    AddCategory,
    AddProperty,
    RemoveCategory,
    RemoveProperty,
    Toggle,
    AddColumn,
    RemoveColumn,
    Style,
    Resize,
    Key,
    Click,
    Type,
    EditCommand,
    HostReacts,
    Wheel,
    Count
};

const char* const kOpNames[] = {
    "add category", "add property",  "remove category", "remove property", "toggle",
    "add column",   "remove column", "style",           "resize",          "key",
    "click",        "type",          "edit command",    "host reacts",     "wheel"};

struct Step
{
    Op op;
    unsigned nArg; // picks the target, the type, the key, the point, ...
};

constexpr int kSequenceLength = 1000;
// Each shrinking step runs the sequence again with real input: a bound keeps it to minutes.
constexpr int kShrinkRuns = 400;

std::vector<Step> MakeSequence(unsigned nSeed, int nLength)
{
    std::mt19937 rng(nSeed);
    std::vector<Step> steps;
    for (int i = 0; i < nLength; ++i) {
        unsigned nOp = rng() % 100;
        // Input is most of what happens to a grid; the tree changes now and then.
        Op op = nOp < 10   ? Op::AddProperty
                : nOp < 14 ? Op::AddCategory
                : nOp < 18 ? Op::RemoveProperty
                : nOp < 20 ? Op::RemoveCategory
                : nOp < 25 ? Op::Toggle
                : nOp < 27 ? Op::AddColumn
                : nOp < 28 ? Op::RemoveColumn
                : nOp < 30 ? Op::Style
                : nOp < 32 ? Op::Resize
                : nOp < 55 ? Op::Key
                : nOp < 75 ? Op::Click
                : nOp < 85 ? Op::Type
                : nOp < 90 ? Op::EditCommand
                : nOp < 96 ? Op::HostReacts
                           : Op::Wheel;
        steps.push_back({op, unsigned(rng())});
    }
    return steps;
}

class RandomUse : public pgtest::GridFixture
{
protected:
    // Runs the steps on a fresh tree; the index of the first step after which the grid is
    // wrong, with what is wrong, or -1.
    int Run(const std::vector<Step>& steps, std::string& strFault)
    {
        // The dialogs behind the editors' buttons (file, colour chooser, memo) are cancelled
        // as soon as they show: a modal dialog disables its owner, the host.
        pgtest::ModalWatcher watcher;
        watcher.Always(
            [](HWND hDialog) { return !::IsWindowEnabled(::GetWindow(hDialog, GW_OWNER)); },
            [](HWND hDialog) { ::PostMessageW(hDialog, WM_COMMAND, IDCANCEL, 0); });
        Reset();
        for (size_t i = 0; i < steps.size(); ++i) {
            Do(steps[i]);
            pgtest::PumpMessages();
            strFault = pgtest::CheckGrid(m_Grid);
            if (strFault.empty() && !pgtest::HeapsValid())
                strFault = "a heap is damaged";
            if (!strFault.empty())
                return int(i);
        }
        return -1;
    }

    // The failing steps up to the fault, with as many steps left out as still fail: runs of
    // steps are left out, halves first, down to single steps, for kShrinkRuns runs at most.
    std::vector<Step> Shrink(std::vector<Step> steps)
    {
        std::string strFault;
        int nRuns = 0;
        for (size_t nChunk = steps.size() / 2; nChunk >= 1; nChunk /= 2) {
            for (size_t nStart = 0; nStart + nChunk <= steps.size() && nRuns < kShrinkRuns;
                 ++nRuns) {
                std::vector<Step> fewer(steps.begin(), steps.begin() + nStart);
                fewer.insert(fewer.end(), steps.begin() + nStart + nChunk, steps.end());
                int nFailed = Run(fewer, strFault);
                if (nFailed >= 0)
                    steps.assign(fewer.begin(), fewer.begin() + nFailed + 1);
                else
                    nStart += nChunk;
            }
        }
        return steps;
    }

    // Runs kSequenceLength steps of each seed from nFirstSeed until nOperations ran; false
    // after printing the first failing seed and its shrunk sequence.
    bool RunSeeds(unsigned nFirstSeed, long nOperations)
    {
        long nRun = 0;
        for (unsigned nSeed = nFirstSeed; nRun < nOperations; ++nSeed) {
            // Said first, so that a seed that crashes the process is known too.
            std::printf("seed %u\n", nSeed);
            std::fflush(stdout);
            std::vector<Step> steps = MakeSequence(nSeed, kSequenceLength);
            std::string strFault;
            int nFailed = Run(steps, strFault);
            nRun += nFailed >= 0 ? nFailed + 1 : kSequenceLength;
            if (nFailed < 0)
                continue;
            std::printf("seed %u fails after step %d: %s\n", nSeed, nFailed, strFault.c_str());
            steps.resize(size_t(nFailed) + 1);
            std::vector<Step> shrunk = Shrink(steps);
            std::printf("shrunk from %zu to %zu steps:\n", steps.size(), shrunk.size());
            for (const Step& step : shrunk)
                std::printf("  %s %u\n", kOpNames[int(step.op)], step.nArg);
            return false;
        }
        std::printf("%ld operations from seed %u on: no fault\n", nRun, nFirstSeed);
        return true;
    }

    void Reset()
    {
        m_Host.m_React = nullptr;
        if (m_Grid.TestFlag(PGF_INITIALIZED))
            m_Grid.Uninitialize();
        pgtest::PumpMessages();
        ASSERT_TRUE(Initialize());
        m_Grid.SetFocus();
    }

    std::vector<CZNPropertyGridCategory*> Categories()
    {
        std::vector<CZNPropertyGridCategory*> categories;
        if (m_pRoot != nullptr)
            Collect(m_pRoot, categories);
        return categories;
    }

    static void Collect(CZNPropertyGridCategory* pCategory,
                        std::vector<CZNPropertyGridCategory*>& categories)
    {
        categories.push_back(pCategory);
        for (CZNPropertyGridCategory* pChild : pCategory->m_Categories)
            Collect(pChild, categories);
    }

    std::vector<IZNPropertyGridProperty*> Properties()
    {
        std::vector<IZNPropertyGridProperty*> properties;
        for (CZNPropertyGridCategory* pCategory : Categories())
            properties.insert(properties.end(), pCategory->m_Properties.begin(),
                              pCategory->m_Properties.end());
        return properties;
    }

    void Do(const Step& step)
    {
        // The root goes with an uninitialization; a host starts again.
        if (m_Grid.m_pRootCategory == nullptr) {
            m_pRoot = nullptr;
            if (!m_Grid.TestFlag(PGF_INITIALIZED))
                Initialize();
            else
                m_pRoot = m_Grid.AddCategory(nullptr, L"Root", L"");
        }
        m_pRoot = m_Grid.m_pRootCategory;
        unsigned nArg = step.nArg;
        switch (step.op) {
        case Op::AddCategory:
            AddCategoryUnder(nArg);
            break;
        case Op::AddProperty:
            AddPropertyUnder(nArg);
            break;
        case Op::RemoveCategory:
            RemoveSomeCategory(nArg);
            break;
        case Op::RemoveProperty:
            RemoveSomeProperty(nArg);
            break;
        case Op::Toggle: {
            auto categories = Categories();
            m_Grid.ToggleExpand(categories[nArg % categories.size()]);
            break;
        }
        case Op::AddColumn:
            if (m_Grid.m_Columns.size() < 5)
                m_Grid.AddColumn(int(nArg % 150), L"Added");
            break;
        case Op::RemoveColumn:
            if (m_Grid.m_Columns.size() > 2)
                m_Grid.RemoveColumn(int(1 + nArg % (m_Grid.m_Columns.size() - 1)));
            break;
        case Op::Style:
            m_Grid.SetExtendedPropertyGridStyle(nArg % 16);
            break;
        case Op::Resize:
            m_Grid.SetWindowPos(nullptr, 0, 0, 150 + int(nArg % 450), 60 + int(nArg / 7 % 180),
                                SWP_NOMOVE | SWP_NOZORDER);
            break;
        case Op::Key:
            PressSomeKey(nArg);
            break;
        case Op::Click:
            ClickSomewhere(nArg);
            break;
        case Op::Type: {
            const wchar_t* const pszTexts[] = {L"7",   L"-1.5", L"1, 2, 3", L"text",
                                               L"Low", L"%s%n", L"1e999"};
            pgtest::TypeText(pszTexts[nArg % 7]);
            break;
        }
        case Op::EditCommand: {
            const UINT nIds[] = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
            m_Grid.ForwardCommandMessage(nIds[nArg % 3]);
            break;
        }
        case Op::HostReacts:
            m_Host.m_React = [this, nArg](UINT) {
                m_Host.m_React = nullptr;
                Step change = {Op(nArg % 5), nArg / 5};
                Do(change);
            };
            break;
        case Op::Wheel: {
            CRect rcClient;
            m_Grid.GetClientRect(&rcClient);
            pgtest::Wheel(m_Grid, rcClient.CenterPoint(), nArg % 2 != 0 ? 120 : -120);
            break;
        }
        case Op::Count:
            break;
        }
    }

    void AddCategoryUnder(unsigned nArg)
    {
        auto categories = Categories();
        m_Grid.AddCategory(categories[nArg % categories.size()], L"Category", L"Help");
    }

    void AddPropertyUnder(unsigned nArg)
    {
        auto categories = Categories();
        CZNPropertyGridCategory* pCategory = categories[nArg % categories.size()];
        auto eType = eZNPropertyGridType(nArg / 7 % 9);
        IZNPropertyGridProperty* pProperty =
            m_Grid.AddProperty(pCategory, L"Property", L"Help", nArg % 100, eType, L"Low|High");
        if (pProperty == nullptr)
            return;
        void* pValue = &m_Texts[nArg % 4];
        if (eType == PGT_TEXT || eType == PGT_ENUM)
            pValue = &m_Texts[nArg % 4];
        else if (eType == PGT_INTEGER)
            pValue = &m_nInteger;
        else if (eType == PGT_FLOAT)
            pValue = &m_fFloat;
        else if (eType == PGT_VECTOR3 || eType == PGT_VECTOR4 || eType == PGT_COLORVECTOR4)
            pValue = m_fVector;
        m_Grid.SetPropertyValue(pCategory, pProperty, 0, pValue);
        m_Grid.SetPropertyValue(pCategory, pProperty, 1, nArg % 3 == 0 ? nullptr : pValue);
        if (nArg % 5 == 0)
            m_Grid.SetPropertyCheckBoxState(pCategory, pProperty, 0, PGCB_UNCHECKED);
    }

    void RemoveSomeCategory(unsigned nArg)
    {
        auto categories = Categories();
        CZNPropertyGridCategory* pCategory = categories[nArg % categories.size()];
        // Now and then the root itself.
        m_Grid.RemoveCategory(pCategory->m_pParent, pCategory);
    }

    void RemoveSomeProperty(unsigned nArg)
    {
        auto properties = Properties();
        if (properties.empty())
            return;
        IZNPropertyGridProperty* pProperty = properties[nArg % properties.size()];
        m_Grid.RemoveProperty(pProperty->GetCategory(), pProperty);
    }

    static void PressSomeKey(unsigned nArg)
    {
        const WORD keys[] = {VK_UP,    VK_DOWN, VK_LEFT, VK_RIGHT, VK_RETURN, VK_ESCAPE,
                             VK_SPACE, VK_HOME, VK_END,  VK_PRIOR, VK_NEXT,   VK_TAB};
        pgtest::PressKey(keys[nArg % 12]);
    }

    // On the grid or on whatever shows over it: an open editor, its buttons.
    void ClickSomewhere(unsigned nArg)
    {
        CRect rcClient;
        m_Grid.GetClientRect(&rcClient);
        if (rcClient.IsRectEmpty())
            return;
        CPoint point(int(nArg % unsigned(rcClient.Width())),
                     int(nArg / 1000 % unsigned(rcClient.Height())));
        pgtest::Click(m_Grid, point);
    }

    CString m_Texts[4] = {L"Low", L"High", L"text", L""};
    int m_nInteger = 0;
    float m_fFloat = 0;
    float m_fVector[4] = {};
};

TEST_F(RandomUse, ShortRunsKeepTheGridSound)
{
    EXPECT_TRUE(RunSeeds(1, 3 * kSequenceLength));
}

TEST_F(RandomUse, DISABLED_LongRun)
{
    const char* pszOperations = std::getenv("PG_RANDOM_OPERATIONS");
    const char* pszSeed = std::getenv("PG_RANDOM_FIRST_SEED");
    long nOperations = pszOperations != nullptr ? std::atol(pszOperations) : 100000;
    unsigned nSeed = pszSeed != nullptr ? unsigned(std::atol(pszSeed)) : 1;
    EXPECT_TRUE(RunSeeds(nSeed, nOperations));
}

} // namespace

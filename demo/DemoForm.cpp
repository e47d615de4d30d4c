#include "DemoForm.h"

#include "resource.h"

namespace {

enum EDemoProperty : unsigned
{
    ID_NAME = 1,
    ID_DESCRIPTION,
    ID_MATERIAL,
    ID_TEXTURE,
    ID_TAG,
    ID_SCRIPT,
    ID_COUNT,
    ID_MASS,
    ID_POSITION,
    ID_ROTATION,
    ID_SHAPE,
    ID_LAYER,
    ID_NOTES,
    ID_SOURCE,
    ID_MODEL,
    ID_README,
    ID_TINT,
    ID_HIGHLIGHT,
    ID_OUTLINE,
    ID_SHADOW,
};

// The memo that the external editor scene opens; its window is titled with this name.
const wchar_t kSourceName[] = L"Source";
// The folder the demo's file paths are shown relative to.
constexpr wchar_t kProjectFolder[] = L"C:\\Projects\\Demo";
constexpr wchar_t kModelFilter[] = L"Models (*.obj;*.fbx)|*.obj;*.fbx|All Files (*.*)|*.*|";
// The control id of the "..." button of the file, colour and memo editors.
constexpr int kEditorButtonId = 10002;

const wchar_t* const kObjectTitles[] = {L"Object A", L"Object B"};

} // namespace

BEGIN_MESSAGE_MAP(CDemoForm, CDialog)
    ON_MESSAGE(PGM_PROPERTYCHANGE, &CDemoForm::OnPropertyChange)
    ON_MESSAGE(PGM_PROPERTYCHECK, &CDemoForm::OnPropertyCheck)
    ON_MESSAGE(PGM_PROPERTYEXECUTE, &CDemoForm::OnPropertyExecute)
END_MESSAGE_MAP()

CDemoForm::CDemoForm() : CDialog(IDD_DEMO_FORM)
{
    m_Objects[0] = {L"Crate",
                    L"A wooden crate",
                    L"Oak",
                    L"crate.png",
                    L"prop",
                    L"spawn()",
                    L"Stacks up to three high. Keep away from open flames; the oak is dry and "
                    L"catches fire easily.",
                    L"on_hit(damage):\r\n    health -= damage\r\n    if health <= 0: "
                    L"break_apart(pieces=6, scatter=True)",
                    12,
                    25.5f,
                    {1.0f, 2.0f, 0.0f},
                    {0.0f, 0.0f, 0.0f, 1.0f},
                    L"Box",
                    L"Props",
                    L"C:\\Projects\\Demo\\models\\crate.obj",
                    L"C:\\Projects\\Demo\\readme.txt",
                    {0.8f, 0.55f, 0.3f, 1.0f},
                    {1.0f, 0.85f, 0.0f, 0.5f},
                    {0.1f, 0.1f, 0.1f, 1.0f},
                    {0.0f, 0.0f, 0.25f, 0.6f}};
    m_Objects[1] = {L"Barrel",
                    L"",
                    L"Iron",
                    L"barrel.png",
                    L"prop",
                    L"roll()",
                    L"Rolls when pushed.",
                    L"on_push(force):\r\n    roll(force)",
                    3,
                    80.25f,
                    {-4.5f, 0.0f, 7.25f},
                    {0.0f, 0.7071f, 0.0f, 0.7071f},
                    L"Cylinder",
                    L"Dynamic objects",
                    L"D:\\Shared\\Library\\barrel.fbx",
                    L"",
                    {0.35f, 0.35f, 0.4f, 0.75f},
                    {0.2f, 0.6f, 1.0f, 1.0f},
                    {0.9f, 0.1f, 0.1f, 1.0f},
                    {0.0f, 0.0f, 0.0f, 0.4f}};
}

BOOL CDemoForm::Create(CWnd* pParentWnd)
{
    return CDialog::Create(IDD_DEMO_FORM, pParentWnd);
}

void CDemoForm::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROPERTYGRID, m_Grid);
    DDX_Control(pDX, IDC_HELPPANE, m_HelpPane);
}

BOOL CDemoForm::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillGrid();
    // Setting the check boxes told the form too; the status line starts with the user's doing.
    SetDlgItemText(IDC_STATUS, L"No notification yet");
    m_Grid.AttachHTMLHelp(&m_HelpPane);
    return TRUE;
}

template <typename TField>
IZNPropertyGridProperty*
CDemoForm::AddProperty(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                       const wchar_t* pszHelp, unsigned nID, eZNPropertyGridType eType,
                       TField CDemoObject::*pField, const wchar_t* pszOptions)
{
    IZNPropertyGridProperty* pProperty =
        m_Grid.AddProperty(pCategory, pszName, pszHelp, nID, eType, pszOptions);
    m_FirstOfType.emplace(eType, pProperty);
    for (int nObject = 0; nObject < 2; ++nObject)
        m_Grid.SetPropertyValue(pCategory, pProperty, nObject, &(m_Objects[nObject].*pField));
    return pProperty;
}

void CDemoForm::FillGrid()
{
    m_Grid.Initialize(PGS_PROPORTIONALCOLUMNS);
    for (const wchar_t* pszTitle : kObjectTitles)
        m_Grid.AddColumn(150, pszTitle);

    CZNPropertyGridCategory* pRoot = m_Grid.AddCategory(nullptr, L"Objects", L"");
    CZNPropertyGridCategory* pGeneral = m_Grid.AddCategory(pRoot, L"General", L"Identity");
    AddProperty(pGeneral, L"Name", L"The object's name", ID_NAME, PGT_TEXT, &CDemoObject::strName);
    IZNPropertyGridProperty* pDescription = m_Grid.AddProperty(
        pGeneral, L"Description", L"What the object is", ID_DESCRIPTION, PGT_TEXT, nullptr);
    m_Grid.SetPropertyValue(pGeneral, pDescription, 0, &m_Objects[0].strDescription);

    CZNPropertyGridCategory* pLook = m_Grid.AddCategory(pGeneral, L"Appearance", L"Looks");
    IZNPropertyGridProperty* pMaterial = AddProperty(
        pLook, L"Material", L"Surface material", ID_MATERIAL, PGT_TEXT, &CDemoObject::strMaterial);
    m_Grid.SetPropertyCheckBoxState(pLook, pMaterial, 0, PGCB_CHECKED);
    m_Grid.SetPropertyCheckBoxState(pLook, pMaterial, 1, PGCB_UNCHECKED);
    IZNPropertyGridProperty* pTexture = AddProperty(pLook, L"Texture", L"Image file", ID_TEXTURE,
                                                    PGT_TEXT, &CDemoObject::strTexture);
    m_Grid.SetPropertyCheckBoxState(pLook, pTexture, 1, PGCB_MIXED);
    m_Grid.EnableProperty(pLook, pTexture, 0, false);

    CZNPropertyGridCategory* pPhysics = m_Grid.AddCategory(pRoot, L"Physics", L"Simulation");
    AddProperty(pPhysics, L"Count", L"How many", ID_COUNT, PGT_INTEGER, &CDemoObject::nCount);
    AddProperty(pPhysics, L"Mass", L"Kilograms", ID_MASS, PGT_FLOAT, &CDemoObject::fMass);
    AddProperty(pPhysics, L"Position", L"x, y, z", ID_POSITION, PGT_VECTOR3,
                &CDemoObject::vPosition);
    AddProperty(pPhysics, L"Rotation", L"Quaternion x, y, z, w", ID_ROTATION, PGT_VECTOR4,
                &CDemoObject::vRotation);

    // The shape is typed or picked; each object's layer comes from a list of its own.
    CZNPropertyGridCategory* pChoices = m_Grid.AddCategory(pRoot, L"Choices", L"Picked from lists");
    m_pShape = AddProperty(pChoices, L"Shape", L"Collision shape, typed or picked", ID_SHAPE,
                           PGT_ENUM, &CDemoObject::strShape, L"Box|Sphere|Cylinder|Capsule");
    AddProperty(pChoices, L"Layer", L"Render layer, one of the object's own", ID_LAYER, PGT_ENUM,
                &CDemoObject::strLayer,
                L"$readonly$|Default|Props|Effects\n$READONLY$|Default|Dynamic objects|Triggers");
    m_Grid.SetBasePath(kProjectFolder);
    CZNPropertyGridCategory* pFiles = m_Grid.AddCategory(pRoot, L"Files", L"Below the project");
    AddProperty(pFiles, L"Model", L"Mesh file, shown relative to the project", ID_MODEL, PGT_FILE,
                &CDemoObject::strModel, kModelFilter);
    AddProperty(pFiles, L"Readme", L"Any file; ! asks the host to open it", ID_README, PGT_FILE,
                &CDemoObject::strReadme);

    CZNPropertyGridCategory* pColours = m_Grid.AddCategory(pRoot, L"Colours", L"RGBA");
    AddProperty(pColours, L"Tint", L"Red, green, blue, alpha from 0 to 1", ID_TINT,
                PGT_COLORVECTOR4, &CDemoObject::cTint);
    AddProperty(pColours, L"Highlight", L"As bytes", ID_HIGHLIGHT, PGT_COLORVECTOR4,
                &CDemoObject::cHighlight, L"showasbyte");
    AddProperty(pColours, L"Outline", L"Opaque", ID_OUTLINE, PGT_COLORVECTOR4,
                &CDemoObject::cOutline, L"noalpha");
    AddProperty(pColours, L"Shadow", L"Opaque, as bytes", ID_SHADOW, PGT_COLORVECTOR4,
                &CDemoObject::cShadow, L"showasbyte;noalpha");

    CZNPropertyGridCategory* pAdvanced = m_Grid.AddCategory(pRoot, L"Advanced", L"Rarely used");
    AddProperty(pAdvanced, L"Tag", L"Editor tag", ID_TAG, PGT_TEXT, &CDemoObject::strTag);
    m_Grid.ToggleExpand(pAdvanced);

    CZNPropertyGridCategory* pScripting = m_Grid.AddCategory(pRoot, L"Scripting", L"Behaviour");
    AddProperty(pScripting, L"On create", L"Script run on creation", ID_SCRIPT, PGT_TEXT,
                &CDemoObject::strScript);

    CZNPropertyGridCategory* pNotes = m_Grid.AddCategory(pRoot, L"Notes", L"Free text");
    AddProperty(pNotes, L"Notes", L"Wrapped over three lines", ID_NOTES, PGT_MEMO,
                &CDemoObject::strNotes, L"Lines=3");
    m_pSource = AddProperty(pNotes, kSourceName, L"Lines as written; \"...\" opens a larger editor",
                            ID_SOURCE, PGT_MEMO, &CDemoObject::strSource,
                            L"Lines=2|HScroll=true|VScroll=true|Expand=true");
}

CWnd* CDemoForm::FindSourceEditor()
{
    return CWnd::FromHandle(::FindWindowW(L"#32770", kSourceName));
}

void CDemoForm::DropDownShape()
{
    m_Grid.DeactivateProperty();
    m_Grid.SetCurSel(m_Grid.ComputeListIndex(m_pShape));
    m_Grid.SendMessage(WM_KEYDOWN, VK_RETURN);
    if (CWnd* pEditField = CWnd::GetFocus())
        pEditField->SendMessage(WM_KEYDOWN, VK_DOWN);
}

void CDemoForm::ShowNotification(const wchar_t* pszMessage, WPARAM wParam)
{
    CString strStatus;
    strStatus.Format(L"Last notification: %s, value index %u (%s), property ID %u", pszMessage,
                     unsigned(LOWORD(wParam)), kObjectTitles[LOWORD(wParam) & 1],
                     unsigned(HIWORD(wParam)));
    SetDlgItemText(IDC_STATUS, strStatus);
}

LRESULT CDemoForm::OnPropertyChange(WPARAM wParam, LPARAM)
{
    ShowNotification(L"PGM_PROPERTYCHANGE", wParam);
    return 0;
}

LRESULT CDemoForm::OnPropertyCheck(WPARAM wParam, LPARAM)
{
    ShowNotification(L"PGM_PROPERTYCHECK", wParam);
    return 0;
}

// The demo takes the request to open a file itself and only tells of it: the shell is asked
// when a host answers 0. The request carries the grid column, one more than the value index.
LRESULT CDemoForm::OnPropertyExecute(WPARAM wParam, LPARAM lParam)
{
    CString strStatus;
    strStatus.Format(L"Open requested: %s (value index %u)",
                     reinterpret_cast<const wchar_t*>(lParam), unsigned(LOWORD(wParam)) - 1);
    SetDlgItemText(IDC_STATUS, strStatus);
    return 1;
}

bool CDemoForm::OpenEditor(IZNPropertyGridProperty* pProperty)
{
    int nRow = m_Grid.ComputeListIndex(pProperty);
    if (nRow < 0)
        return false;
    // A click lands only on a shown cell: a row that does not show whole is scrolled to the top.
    m_Grid.SetTopIndex(0);
    CRect rcClient;
    m_Grid.GetClientRect(&rcClient);
    CRect rcRow;
    if (m_Grid.GetItemRect(nRow, &rcRow) == LB_ERR || rcRow.bottom > rcClient.bottom)
        m_Grid.SetTopIndex(nRow);
    CRect rcCell;
    if (!m_Grid.ColumnRect(nRow, 1, &rcCell) || rcCell.IsRectEmpty())
        return false;
    LPARAM lPoint = MAKELPARAM(rcCell.CenterPoint().x, rcCell.CenterPoint().y);
    m_Grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    m_Grid.SendMessage(WM_LBUTTONUP, 0, lPoint);
    return true;
}

void CDemoForm::PressEditorButton(IZNPropertyGridProperty* pProperty)
{
    if (!OpenEditor(pProperty))
        return;
    // The open editor is the grid's child with a "..." button showing; the click runs the loop
    // of the window the button opens.
    HWND hButton = nullptr;
    for (HWND hChild = ::GetWindow(m_Grid.m_hWnd, GW_CHILD);
         hChild != nullptr && hButton == nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        hButton = ::GetDlgItem(hChild, kEditorButtonId);
        if (!::IsWindowVisible(hButton))
            hButton = nullptr;
    }
    if (hButton != nullptr)
        ::SendMessageW(hButton, BM_CLICK, 0, 0);
    m_Grid.DeactivateProperty();
}

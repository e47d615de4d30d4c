// An RGBA colour per value column, kept in the host's four floats from 0 to 1 (red, green, blue,
// alpha). The cell shows a swatch and the components, as fractions or as bytes, with or without
// alpha; the editor's button picks the colour in the colour chooser.
#pragma once

#include "model/ZNPropertyGridButtonEditDlg.h"
#include "model/ZNPropertyGridTextualProperty.h"

class CZNPropertyGridPropertyColorVector4ValueDlg;

class CZNPropertyGridPropertyColorVector4
    : public CZNPropertyGridTextualProperty<CZNPropertyGridPropertyColorVector4, float,
                                            CZNPropertyGridPropertyColorVector4ValueDlg>
{
public:
    static constexpr int kComponents = 4;
    // Option bits, from the words of the options string.
    static constexpr DWORD kNoAlpha = 0x1;    // "noalpha": alpha is neither shown nor typed
    static constexpr DWORD kShowAsByte = 0x2; // "showasbyte": components as 0 to 255

    // pszOptions: words separated by ";", compared without regard to case; "noalpha" and
    // "showasbyte" count, other words are ignored.
    CZNPropertyGridPropertyColorVector4(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                        const wchar_t* pszHelp, unsigned nID,
                                        const wchar_t* pszOptions);

    // Appended behind the base's operations, in this order. The text has the components
    // clamped to 0..1, as "%f" or as bytes (times 255, truncated), alpha only without "noalpha".
    // Parsing reads that form as far as it matches (0 for what is missing, but alpha 1 without
    // it), clamps to 0..1 and answers how many numbers it read.
    virtual void FormatValue(float r, float g, float b, float a, CString& strText);
    virtual int ParseValue(const wchar_t* pszText, float* pComponents);

    // The host gets "red, green, blue" as bytes, unclamped, whatever the options; the cell, its
    // tip and the editor show FormatValue's text.
    void ValueText(float* pValue, CString& strText);
    void DisplayText(float* pValue, CString& strText);
    // A swatch of the colour (without alpha), as wide as the text is high, then the text.
    void DrawValue(PropertyGridDrawContext* pContext, int nColumn, RECT* pCell) override;

    // The editor leaves the swatch visible.
    void BeginEditor(CZNPropertyGridPropertyColorVector4ValueDlg& editor, int nIndex, void* pValue,
                     RECT* pCell);
    DWORD GetColorOptions() const { return m_dwColorOptions; }

private:
    DWORD m_dwColorOptions; // kNoAlpha, kShowAsByte
};

// The colour editor: the edit field and "..." to pick the colour in the chooser.
class CZNPropertyGridPropertyColorVector4ValueDlg : public CZNPropertyGridButtonEditDlg
{
    DECLARE_DYNAMIC(CZNPropertyGridPropertyColorVector4ValueDlg)
public:
    static constexpr UINT IDD = IDD_PROPERTYGRID_COLOR;

    explicit CZNPropertyGridPropertyColorVector4ValueDlg(CWnd* pParent = nullptr);

    BOOL BeginEdit(IZNPropertyGridProperty* pProperty, void* pValue, RECT* pCell);
    // Stores the parsed colour when a component differs, and repaints the grid for its swatch.
    void ApplyValue() override;
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The button is a square as high as the editor less a pixel above and below, at its right
    // end; the edit field fills the rest.
    void LayoutControls(int cx, int cy) override;

    afx_msg void OnPick();

    DECLARE_MESSAGE_MAP()

private:
    CZNPropertyGridPropertyColorVector4* Property() const;

    float* m_pValue;                          // the host's four floats being edited
    CZNPropertyGridBrowseButton m_PickButton; // "...": the colour chooser
};

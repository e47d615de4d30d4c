#include <afx.h>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CUserException, CException)

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}

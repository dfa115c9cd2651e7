// Templates of the tests of the dialog base.
#pragma once

#define IDD_TEST_DIALOG 9001
#define IDD_TEST_PAGE 9002
#define IDC_TEST_FIRST 9101
#define IDC_TEST_SECOND 9102
#define IDC_TEST_BUTTON 9103
#define IDC_TEST_CHECK 9201

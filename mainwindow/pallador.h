// The main window: it holds the program's whole working state (form, library
// facade, configuration reader, register rows, every input setting, results,
// texts, output options and the widgets of the loaded option forms).
//
// Member functions live in the source files of the part of the program that
// owns them: mainwindow/ (construction, services, window state, input slots),
// setup/ (sensor set-up), calc/ (calculation), output/ (register view and
// files), panels/ (option panels).
#pragma once

#include "calvex_records.h"
#include "controldefaults.h"
#include "regtables.h"
#include "sensorsettings.h"
#include "ui_Pallador.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <initializer_list>

class CCalvex;
class CGuiVars;
class CRegisterDataIO;
class StartUp;

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QIODevice;
class QLabel;
class QPixmap;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTextEdit;
class QTextStream;

// Value types of two informational properties; they declare no values.
enum PLL_PARAMS : int {};
enum IMG_PARAMS : int {};
Q_DECLARE_METATYPE(PLL_PARAMS)
Q_DECLARE_METATYPE(IMG_PARAMS)

// One register as the automation interface hands it out: the bus address
// (firmware variables folded into 0x8000 + page << 10 + offset) and the value.
struct REGS_DATA_T {
    quint32 address = 0;
    quint32 value = 0;
};
Q_DECLARE_METATYPE(REGS_DATA_T)

class Pallador : public QMainWindow, public SensorSettings {
    Q_OBJECT
    // The automation interface (the first 13); the last two are informational.
    Q_PROPERTY(QString ConfigFile READ getConfigFile WRITE setConfigFile)
    Q_PROPERTY(int Context READ getContext WRITE setContext)
    Q_PROPERTY(QVariantList PllParameters READ getPllParameters WRITE setPllParameters)
    Q_PROPERTY(QVariantList ImgParameters READ getImgParameters WRITE setImgParameters)
    Q_PROPERTY(int TestCase READ getTestCase WRITE setTestCase)
    Q_PROPERTY(double MaxFPS READ getMaxFps)
    Q_PROPERTY(QVariantList Registers READ getRegisters)
    Q_PROPERTY(QVariantList RegNames READ getRegNames)
    Q_PROPERTY(QVariantList RegValues READ getRegValues)
    Q_PROPERTY(int TotalCaseNum READ getTotalCaseNum)
    Q_PROPERTY(int RegArraySize READ getRegArraySize)
    Q_PROPERTY(int CntxNumber READ getCntxNumber)
    Q_PROPERTY(int WarningValue READ getWarningValue)
    Q_PROPERTY(PLL_PARAMS PLL_ENUM READ getPllEnum)
    Q_PROPERTY(IMG_PARAMS IMG_ENUM READ getImgEnum)

public:
    enum { RegRowCapacity = 200 };

    explicit Pallador(QString configFile, QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~Pallador() override;

    QString getInstallDir();
    // installDir joined with a path below it ("/" inserted when installDir is
    // not empty and does not end with a separator).
    QString installPath(const QString &relative) const;
    QString getVersionString();
    QWidget *loadForm(QWidget *parent, QString path);
    int findSensorIndex(QString name);
    // A typed number (frame rates): decimal, 0.0 for a text that is not a
    // finite number.
    static double numberFromText(const QString &text);
    // The widget whose signal runs the slot being run, or null when the
    // program called the slot itself.
    const QWidget *changedWidget() const { return qobject_cast<const QWidget *>(sender()); }

    void restoreWindowState();
    // Brings the window within the available area of its screen: no larger
    // than the area and, once shown or placed, not partly outside it.
    void keepOnScreen();
    void setToolTips();

    // A message to the user. A window made for an automation client shows
    // none (nobody may be there to see or answer it): the text is kept in
    // automationMessages for the caller.
    void tellUser(QMessageBox::Icon icon, const QString &title, const QString &text);

    // Automation properties.
    // The rule a write of value to the automation property name breaks (a
    // list of another length, a context or a use case that does not exist),
    // or an empty string when the window takes it. The setters ignore such a
    // write; the automation server refuses it with this text.
    QString automationWriteRefusal(const QString &name, const QVariant &value) const;
    QString getConfigFile() const;
    void setConfigFile(const QString &path);
    int getContext() const;
    void setContext(int context);
    QVariantList getPllParameters();
    void setPllParameters(const QVariantList &items);
    QVariantList getImgParameters() const;
    void setImgParameters(const QVariantList &items);
    int getTestCase() const;
    void setTestCase(int index);
    double getMaxFps() const;
    QVariantList getRegisters() const;
    QVariantList getRegNames() const;
    QVariantList getRegValues() const;
    int getTotalCaseNum() const;
    int getRegArraySize() const;
    int getCntxNumber() const;
    int getWarningValue() const;
    PLL_PARAMS getPllEnum() const;
    IMG_PARAMS getImgEnum() const;

    // Sensor set-up.
    void loadConfigFile(QString path);
    // Brings the settings, the main form's controls and the option panels
    // back to where a fresh window has them, ahead of a sensor set-up.
    // keepPanels: the same file is loaded again, and the option panels built
    // for it stay built (closed, with the values left in them).
    void resetSensorState(bool keepPanels);
    // Nulls every widget reference of the window that points into one of the
    // forms (which are about to be deleted).
    void forgetWidgetsIn(std::initializer_list<const QWidget *> forms);

    // Calculation.
    void initContext(int context);
    void recalc(bool pllChanged);
    void gatherPllResults();
    void showPllResults();
    void showWarnings();
    // While held (holds nest), the warning colours the calculations choose
    // are kept and the last of each widget is put on when the hold ends: a
    // sensor set-up calculates many times over, and restyling is costly.
    void holdWarningColours(bool hold);

    // Register values as the table and the files show them: "0x" and at
    // least four upper-case hexadecimal digits, and unsigned decimal.
    static QString hexText(quint32 value);
    static QString decText(quint32 value);

    // Register view and panes. initRegisterTable builds the table for the
    // loaded sensor's rows; the calculation that follows fills in the values.
    void initRegisterTable();
    void updateRegisterTable();
    void fitRegisterTable();
    void showResultText(QTextEdit *pane);
    // The diagram of the last calculation; a hidden one is drawn when it is
    // shown.
    void updateTimingDiagram();
    // Draws what the calculations left to a hidden diagram's showing.
    void drawPendingTimingDiagram();

    // INI preset.
    void saveIniFile(QString path);
    void writeIniFile(QString path);
    void setCurrentIniFile(QString path);
    // The standard INI template: whether it can take the generated sections,
    // and the template written with them in place.
    bool checkIniTemplate(QIODevice *tmpl);
    void writeIniTemplate(QIODevice *tmpl, QTextStream *out);

    // Configuration file and bug information.
    void writeConfigFile(QString path);
    void writeBugInfo(QString path);
    // Whether the last writeBugInfo wrote its file.
    bool bugInfoWritten = false;

    // A calculation left the drawing of the diagram to the hidden dock's
    // showing.
    bool timingDiagramPending = false;

    // Objects and references.
    StartUp *startUp = nullptr;
    Ui_PalladorClass ui;
    CCalvex *calvex = nullptr;
    CRegisterDataIO *dataIO = nullptr;
    REGS_DESC_T regs[RegRowCapacity];
    PLL_PARAMS pllEnum{};
    IMG_PARAMS imgEnum{};
    CGuiVars *guiVars = nullptr;
    GUIVAR_T *releasedVar = nullptr;
    bool busy = false;
    CContextParams *varCtxParams = nullptr;
    CCalcResults *varResults = nullptr;
    // The preset writer's header, PLL-section and timing-section texts of the
    // last file written.
    QString fileHeaderText;
    QString pllSectionText;
    QString timingSectionText;
    // The preset and the configuration file last written: a sensor load
    // keeps them (Save INI goes on writing to the same preset).
    QString iniPath;
    QString cfgPath;
    QString configPath;
    QString installDir;

    // Set for a window made for an automation client; the messages it
    // showed since the caller last cleared the list.
    bool automationClient = false;
    QStringList automationMessages;

    // The main form's controls as the constructor leaves them; every sensor
    // set-up starts from them (resetSensorState).
    ControlDefaults controlDefaults;

    // Sensor bookkeeping.
    int sensorIndex = -1;
    int regCount = 0;
    int contextCount = 1;

    // Option panels.
    bool advFormLoaded[2] = {};
    QWidget *advForm[2] = {};
    // The settings as they were when panel A or B was last opened, which its
    // closing returns to, and as the panel left them when it was closed,
    // which its re-opening brings back (panels/panelslots.cpp); valid while
    // the panel belongs to the loaded sensor.
    SensorSettings panelOpenedWith[2];
    bool panelOpenedValid[2] = {};
    SensorSettings panelLeftWith[2];
    bool panelLeftValid[2] = {};
    // A form's check box that stands for a read-out factor carries the
    // factor its tick stores in this property (see panels::TickIsFactor).
    static constexpr char kTickFactorProperty[] = "palladorTickFactor";

    // Widgets of the context option forms (element 0 A, element 1 B).
    QCheckBox *checkBinning[2] = {};
    QCheckBox *checkBin2Skip2[2] = {};
    QCheckBox *checkBinXonly[2] = {};
    QCheckBox *checkBinSF[2] = {};
    QCheckBox *checkSkipping[2] = {};
    QCheckBox *checkCentering[2] = {};
    QCheckBox *checkAspectRatio[2] = {};
    QCheckBox *checkLowPower[2] = {};
    QCheckBox *checkHighSpeed[2] = {};
    QCheckBox *checkCropping[2] = {};
    QCheckBox *checkOtherLineTime[2] = {};
    QCheckBox *checkHDR[2] = {};
    QCheckBox *checkTxLatch = nullptr;
    QCheckBox *checkUseFOV[2] = {};
    QCheckBox *checkShortSeq[2] = {};
    QCheckBox *xScaling = nullptr;
    QCheckBox *yScaling = nullptr;
    QSpinBox *spinSocR = nullptr;
    QSpinBox *spinSocC = nullptr;
    QSpinBox *spinFovR[2] = {};
    QSpinBox *spinFovC[2] = {};
    QSpinBox *spinFovY[2] = {};
    QSpinBox *spinFovX[2] = {};
    QSpinBox *spinRows[2] = {};
    QSpinBox *spinCols[2] = {};
    QSpinBox *spinColSub[2] = {};
    QSpinBox *spinRowSub[2] = {};
    QSpinBox *spinReadMode = nullptr;
    QSpinBox *spinReadMode_Y = nullptr;
    QSpinBox *spinScaler = nullptr;
    QSpinBox *spinSMode = nullptr;
    QSpinBox *spinScaleM = nullptr;
    QSpinBox *spinBorderPixels = nullptr;
    QComboBox *comboADCMode[2] = {};
    QComboBox *comboOutFormat[2] = {};
    QComboBox *comboCCRow[2] = {};
    QComboBox *comboReadMode[2] = {};
    QComboBox *comboNumExp = nullptr;
    QComboBox *comboColSkip[2] = {};
    QComboBox *comboRowSkip[2] = {};
    QComboBox *fbMode = nullptr;
    QSpinBox *roi0Spin[6] = {};
    QSpinBox *roi1Spin[6] = {};
    QCheckBox *checkInterleave[2] = {};
    QCheckBox *checkLineInterleave[2] = {};
    QCheckBox *checkLineComboMode[2] = {};
    QCheckBox *checkPadding[2] = {};
    QCheckBox *checkDarkRowsB = nullptr;
    QCheckBox *checkDarkColsB = nullptr;
    QLabel *labelT1T2 = nullptr;
    QLabel *labelT2T3 = nullptr;
    QLabel *labelT3T4 = nullptr;
    QLabel *labelOverFlow = nullptr;
    QScrollArea *scrollAreaFOV = nullptr;
    QComboBox *comboMax_nExposure = nullptr;
    QPixmap *fovPixmap = nullptr;
    QComboBox *comboOperMode = nullptr;
    QDoubleSpinBox *dSpinDfs[2] = {};
    QDoubleSpinBox *go_pro_3x3 = nullptr;
    QComboBox *comboAspectRatio = nullptr;
    QDoubleSpinBox *dSpinFovPercent = nullptr;
    QCheckBox *checkConfigBuf = nullptr;
    QCheckBox *checkOverlayRW = nullptr;
    QSpinBox *spinConfigBuf_T1 = nullptr;
    QSpinBox *spinConfigBuf_T2 = nullptr;
    QSpinBox *spinConfigBuf_T3 = nullptr;
    QSpinBox *spinShAdv_T2 = nullptr;
    QSpinBox *spinShAdv_T3 = nullptr;
    QSpinBox *spinShAdv_T4 = nullptr;
    QCheckBox *checkTrigger = nullptr;
    QRadioButton *radioMaster = nullptr;
    QRadioButton *radioSlave = nullptr;
    QSpinBox *dspinFixLLpck = nullptr;
    QCheckBox *checkAtr_Rows = nullptr;
    QCheckBox *checkDtr_Rows = nullptr;
    QCheckBox *checkUse_Reg = nullptr;
    QCheckBox *checkFixLLpck = nullptr;
    QComboBox *comboEmbedData_Rows = nullptr;
    QComboBox *comboStatsData_Rows = nullptr;
    QCheckBox *checkDigitalCC = nullptr;
    QComboBox *comboDTR = nullptr;
    QComboBox *comboATR = nullptr;
    QComboBox *comboCust_Rev = nullptr;
    QComboBox *comboOverFlow = nullptr;
    QDoubleSpinBox *dSpinIntgTime[2] = {};
    QDoubleSpinBox *dSpinIntgTime2 = nullptr;
    QDoubleSpinBox *dSpinIntgTime3 = nullptr;
    QDoubleSpinBox *dSpinIntgTime4 = nullptr;
    QSpinBox *spinT1 = nullptr;
    QSpinBox *spinT2 = nullptr;
    QSpinBox *spinT3 = nullptr;
    QSpinBox *spinT4 = nullptr;
    QSpinBox *spinT1_T2 = nullptr;
    QSpinBox *spinT2_T3 = nullptr;
    QSpinBox *spinT3_T4 = nullptr;
    QSpinBox *spinMIT = nullptr;
    QComboBox *comboT1T2 = nullptr;
    QComboBox *comboT2T3 = nullptr;
    QComboBox *comboT3T4 = nullptr;
    QSpinBox *spinFP[16] = {};
    QCheckBox *checkActivateAll = nullptr;
    bool pllFormLoaded = false;

    // Widgets of the advanced PLL form.
    QCheckBox *checkPLL_Bypass = nullptr;
    QCheckBox *checkPLL_P1 = nullptr;
    QCheckBox *checkPLL_P4 = nullptr;
    QCheckBox *checkPLL_P5 = nullptr;
    QCheckBox *checkPLL_WCD = nullptr;
    QCheckBox *checkPLL_I2C = nullptr;
    QCheckBox *checkPLL_MinFreq = nullptr;
    QCheckBox *checkPLL_PreScale = nullptr;
    QDoubleSpinBox *dSpinPLL_OutRate = nullptr;
    QComboBox *comboPLL_Bits = nullptr;
    QSpinBox *spinPLL_VtDiv = nullptr;
    QSpinBox *spinPLL_MPDiv = nullptr;
    QComboBox *comboPLL_P1 = nullptr;
    QSpinBox *spinPLL_P4 = nullptr;
    QSpinBox *spinPLL_P5 = nullptr;
    QSpinBox *spinPLL_WCD = nullptr;
    QSpinBox *spinPLL_I2C = nullptr;
    QWidget *pllForm = nullptr;
    QLabel *labelPLL_InClk = nullptr;
    QLabel *labelPLL_M = nullptr;
    QLabel *labelPLL_N = nullptr;
    QLabel *labelPLL_P = nullptr;
    QLabel *labelPLL_P2 = nullptr;
    QLabel *labelPLL_PixClk = nullptr;
    QLabel *labelPLL_MipiClk = nullptr;
    QLabel *labelPLL_OutClk = nullptr;
    QLabel *labelPllImage = nullptr;
    QComboBox *comboPLL_InterMode = nullptr;
    QComboBox *comboPLL_Lanes = nullptr;
    QComboBox *comboPLL_REV = nullptr;
    QCheckBox *check2ClkPix = nullptr;
    QCheckBox *checkUseDataRate = nullptr;
    QCheckBox *checkCombi = nullptr;
    QCheckBox *checkPLL_EmbedData = nullptr;
    QCheckBox *checkPLL_EmbedStat = nullptr;
    QCheckBox *checkPLL_MIPICont = nullptr;
    QCheckBox *checkPLL_MIPIHeader = nullptr;
    QCheckBox *checkPLL_DarkRows = nullptr;
    QCheckBox *checkPLL_DarkCols = nullptr;
    QCheckBox *checkCompand = nullptr;
    QSpinBox *spinPLL_N2 = nullptr;
    QSpinBox *spinPLL_M2 = nullptr;
    QSpinBox *spinPLL_VCO2 = nullptr;
    QDoubleSpinBox *dSpinPLL_VCO2 = nullptr;
    QCheckBox *checkPLL_N2 = nullptr;
    QCheckBox *checkPLL_M2 = nullptr;
    QCheckBox *checkPLL_VCO2 = nullptr;
    QComboBox *combo2pixBits = nullptr;
    QComboBox *comboOutPort = nullptr;
    QCheckBox *check16b8bits = nullptr;
    QCheckBox *checkIme = nullptr;
    QCheckBox *checkSDRMode = nullptr;
    QComboBox *comboPLL_PhyType = nullptr;
    QGridLayout *advLayout = nullptr;
    QWidget *widgetKeepsync = nullptr;
    QCheckBox *keepSyncCheckBox = nullptr;
    QLabel *keepSyncClockLabel = nullptr;
    QLabel *pCKLabel = nullptr;
    QLabel *fLLabel = nullptr;
    QDoubleSpinBox *dbspbxKeepSyncClock = nullptr;
    QSpinBox *pCKSpinBox = nullptr;
    QSpinBox *fLSpinBox = nullptr;
    QSpinBox *spinOTPRev = nullptr;

private:
    void drawTimingDiagram();

public slots:
    // The advanced PLL panel and the advanced option panels of contexts A
    // and B open and close with their boxes; the context set-up ticks a box
    // and calls its slot itself.
    void on_checkPLL_ADV_clicked();
    void on_checkAdvParam_A_clicked();
    void on_checkAdvParam_B_clicked();

private slots:
    // View toggles and window state.
    void on_actionToolBar_triggered();
    void on_actionPLL_triggered();
    void on_actionImage_A_triggered();
    void on_actionImage_B_triggered();
    void on_actionImage_C_triggered();
    void on_actionTiming_triggered();
    void on_checkRegList_clicked();
    void on_actionSave_State_triggered();

    // Preset save commands, Save Config and Bug Report.
    void on_actionSave_triggered();
    void on_actionSave_As_triggered();
    void on_actionSave_Config_triggered();
    void on_actionBug_Report_triggered();

    // File, window and help commands: Open Config, Set Default, the sensor
    // list, About and the two documents.
    void on_actionOpen_Config_triggered();
    void on_actionSet_Default_triggered();
    void on_combo_SensorType_currentIndexChanged();
    void on_actionAbout_Pallador_triggered();
    void on_actionPallador_Manual_triggered();
    void on_actionSensor_Data_Sheet_triggered();

    // Receivers of the named-variable binder.
    void checkGuiVars(QString field, bool checked);
    void valueChangedGuiVars(QString field, float val);

    // Input slots. The main form connects the on_ slots by name; the option
    // panels and the per-context initialisation connect the others in string
    // form.

    // Use cases.
    void LoadUseCase(int Context, int selectType);
    void on_comboUseCase_A_currentIndexChanged();
    void on_comboUseCase_B_currentIndexChanged();

    // Context inputs of the image docks and the output options.
    void on_comboTypeFRate_A_currentIndexChanged();
    void on_comboTypeFRate_B_currentIndexChanged();
    void on_comboMaxFRate_A_currentIndexChanged();
    void on_comboMaxFRate_A_editTextChanged(QString newText);
    void on_comboMaxFRate_B_currentIndexChanged();
    void on_comboMaxFRate_B_editTextChanged(QString newText);
    void on_dSpinMinFRate_A_valueChanged(double newValue);
    void on_dSpinMinFRate_B_valueChanged(double newValue);
    void on_comboTypeBlank_A_currentIndexChanged();
    void on_comboTypeBlank_B_currentIndexChanged();
    void on_spinUserBlank_A_valueChanged(int newValue);
    void on_spinUserBlank_B_valueChanged(int newValue);
    void on_checkHorzMirror_A_clicked();
    void on_checkHorzMirror_B_clicked();
    void on_checkVertFlip_A_clicked();
    void on_checkVertFlip_B_clicked();
    void on_checkOutputPLL_clicked();
    void on_checkOutputTiming_clicked();
    void on_checkUseSTD_clicked();

    // PLL inputs of the PLL dock.
    void on_dSpinPLL_Input_valueChanged(double newValue);
    void on_dSpinPLL_Target_valueChanged(double newValue);
    void on_dSpinPLL_VCO_valueChanged(double newValue);
    void on_spinPLL_N_valueChanged(int newValue);
    void on_spinPLL_M_valueChanged(int newValue);
    void on_checkPLL_VCO_clicked();
    void on_checkPLL_N_clicked();
    void on_checkPLL_M_clicked();
    void on_comboPLL_Interface_currentIndexChanged();

    // PLL inputs of the advanced PLL panel: plain stores.
    void checkPLL_AutoAdjust_clicked();
    void checkPLL_Companding_clicked();
    void checkPLL_DarkCols_clicked();
    void checkPLL_DarkRows_clicked();
    void checkPLL_EmbedData_clicked();
    void checkPLL_EmbedStat_clicked();
    void checkPLL_MIPICont_clicked();
    void checkPLL_MIPIHeader_clicked();
    void checkPLL_PreScale_clicked();
    void comboPLL_2PixBits_currentIndexChanged(int newIndex);
    void comboPLL_OpBits_currentIndexChanged(int newIndex);
    void comboPLL_OutPort_currentIndexChanged(int newIndex);
    void comboPLL_PhyCD_currentIndexChanged(int newIndex);
    void comboPLL_P1_currentIndexChanged(int newIndex);
    void spinPLL_P4_valueChanged(int newValue);
    void spinPLL_P5_valueChanged(int newValue);
    void spinPLL_WCD_valueChanged(int newValue);
    void spinPLL_I2C_valueChanged(int newValue);
    void spinPLL_N2_valueChanged(int newValue);
    void spinPLL_M2_valueChanged(int newValue);
    void spinPLL_MPDiv_valueChanged(int newValue);
    void spinPLL_VtDiv_valueChanged(int newValue);
    void spinPLL_OTPRev_valueChanged(int newValue);
    void dSpinPLL_TgtOp_valueChanged(double newValue);
    void dspinPLL_VCO2_valueChanged(double newValue);
    void spinPLL_VCO2_valueChanged(int newValue);
    void onKeepSyncPck();
    void onKeepSyncFl();
    void onKeepSyncClock();

    // Override boxes of the advanced PLL panel.
    void checkPLL_P1_clicked();
    void checkPLL_P4_clicked();
    void checkPLL_P5_clicked();
    void checkPLL_N2_clicked();
    void checkPLL_M2_clicked();
    void checkPLL_VCO2_clicked();
    void checkPLL_WCD_clicked();
    void checkPLL_I2C_clicked();

    // PLL inputs with rules of their own.
    void checkPLL_Bypass_clicked();
    void checkPLL_MinFreq_clicked();
    void checkFastClock_clicked();
    void checkPLL_2ClkPix_clicked();
    void comboCust_REV_currentIndexChanged(int newIndex);
    void comboPLL_REV_currentIndexChanged(int newIndex);
    void onKeepSyncOnOff();

    // Interface mode and lanes of the advanced PLL panel.
    void comboPLL_InterMode_currentIndexChanged(int newIndex);
    void comboPLL_Lanes_currentIndexChanged(int newIndex);

    // Option inputs of the context panels, the advanced PLL panel and the
    // controls made for the bridge families (mainwindow/optionslots*.cpp).
    void advancedTimingChanged();
    void checkBinning_clicked();
    void checkBin2Skip2_clicked();
    void checkSkipping_clicked();
    void checkBinXonly_clicked();
    void checkBinSF_clicked();
    void checkCropping_clicked();
    void checkCentering_clicked();
    void checkAspectRatio_clicked();
    void checkLowPower_clicked();
    void checkInterleave_clicked();
    void checkLineInterCombo_clicked();
    void checkUseLineTime_clicked();
    void checkShortSeq_clicked();
    void checkTxLatch_clicked();
    void checkConfigEnable_clicked();
    void checkDbOverlap_clicked();
    void checkAtrRows_clicked();
    void checkDtrRows_clicked();
    void spinRows_valueChanged(int newValue);
    void spinCols_valueChanged(int newValue);
    void spinRowSub_valueChanged(int newValue);
    void spinColSub_valueChanged(int newValue);
    void comboRowSkip_currentIndexChanged(int newIndex);
    void comboColSkip_currentIndexChanged(int newIndex);
    void comboReadModeB_currentIndexChanged(int newIndex);
    void comboCCRow_currentIndexChanged(int newIndex);
    void comboCCRowB_currentIndexChanged(int newIndex);
    void comboAspectRatio_currentIndexChanged(int newIndex);
    void comboADC_Mode_valueChanged(int newValue);
    void comboEmbedDataRows_clicked(int newValue);
    void comboStatsDataRows_clicked(int newValue);
    void comboTopDigital_Rows_clicked(int newValue);
    void comboBotAnalog_Rows_clicked(int newValue);
    void comboAnalogTestCols_clicked(int newValue);
    void comboRowNoiseCols_clicked(int newValue);
    void comboOpMode_Changed(int newIndex);
    void dSpinIntgTime_valueChanged(double newValue);
    void dSpinIntgTime2_valueChanged(double newValue);
    void dSpinIntgTime3_valueChanged(double newValue);
    void dSpinIntgTime4_valueChanged(double newValue);
    void dSpinDFR1_valueChanged(double newValue);
    void dSpinDFR2_valueChanged(double newValue);
    void dSpinFovPercent_valueChanged(double newValue);
    void spinGoPro_valueChanged(double newValue);
    void spinT1ExpRows_clicked(int newValue);
    void spinT2ExpRows_clicked(int newValue);
    void spinT3ExpRows_clicked(int newValue);
    void spinT4ExpRows_clicked(int newValue);
    void spinT1_T2_clicked(int newValue);
    void spinT2_T3_clicked(int newValue);
    void spinT3_T4_clicked(int newValue);
    void spinT4_T5_clicked(int newValue);
    void spinMiddleIT_clicked(int newValue);
    void spinFixedLLpck_clicked(int fixllpckVal);
    void spinScaler_valueChanged(int newValue);
    void spinScaleM_valueChanged(int newValue);
    void spinSMode_valueChanged(int newValue);
    void spinBorderPix_changed(int borderpxls);
    void spinConfigBufT1_valueChanged(int newValue);
    void spinConfigBufT2_valueChanged(int newValue);
    void spinConfigBufT3_valueChanged(int newValue);
    void spinAdvShiftT2_valueChanged(int newValue);
    void spinAdvShiftT3_valueChanged(int newValue);
    void spinAdvShiftT4_valueChanged(int newValue);
    void spinFIFO_valueChanged(int newValue);
    void spinMin_Lines_valueChanged(int newValue);

    // HDR, exposure and clock options.
    void checkHDR_clicked();
    void checkCombi_clicked();
    void checkLineInterleave_clicked();
    void checkLEDFlickerMitigation_clicked();
    void comboNumExposures_clicked(int newIndex);
    void comboNumMaxExposures_clicked(int newIndex);
    void comboSuperExp_clicked(int newIndex);
    void checkUseReg_clicked();
    void checkUseFixLLpck_clicked();
    void checkOddClkRatio_clicked();
    void checkIMEMode_clicked();
    void checkDigitalCC_clicked();

    // Field of view, read-out and format options.
    void checkUseFOV_clicked2();
    void checkUseFOV_clicked();
    void spinFovC_valueChanged(int newValue);
    void spinFovR_valueChanged(int newValue);
    void spinSocC_valueChanged(int newValue);
    void spinSocR_valueChanged(int newValue);
    void spinFovX_valueChanged(int newValue);
    void spinFovY_valueChanged(int newValue);
    void spinReadMode_valueChanged(int newValue);
    void spinReadMode2_valueChanged(int newValue);
    void comboReadMode_currentIndexChanged(int newIndex);
    void comboOutFormat_currentIndexChanged(int newIndex);
    void comboImageType_currentIndexChanged(int newIndex);
    void checkHighSpeed_clicked();
    void checkTrigger_clicked();
    void checkActiveAll_clicked();
    void spinFP_valueChanged(int newValue);
};

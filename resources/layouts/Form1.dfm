object Form1: TForm1
  Caption = 'Orvane, Inc. - Trellis V8.40 - www.trellis-pcb.example'
  ClientWidth = 963
  ClientHeight = 763
  BorderStyle = bsSingle
  Position = poScreenCenter
  Menu = MainMenu1
  ShowHint = True
  OnShow = Button3Click
  OnCloseQuery = FormCloseQuery
  object TabControl1: TTabControl
    Left = 0
    Top = 0
    Width = 963
    Height = 48
    MultiLine = True
    Tabs.Strings = (
      'Bandwidth && Max Conductor Length'
      'Conductor Impedance'
      'Conductor Properties'
      'Conversion Calculator'
      'Differential Pairs / XTALK'
      'Embedded Resistors'
      'Er Effective'
      'Fusing Current'
      'Mechanical Information'
      'Min Conductor Spacing'
      'Ohm'#39's Law'
      'Padstack Calculator'
      'PDN Calculator'
      'Planar Inductors'
      'PPM-XTAL Calculator'
      'Thermal Management'
      'Via Properties'
      'Wavelength Calculator'
      'XL-XC Reactance')
    TabIndex = 16
    OnChange = TabControl1Change
  end
  object GroupBox2: TGroupBox
    Left = 4
    Top = 52
    Width = 226
    Height = 668
    Caption = ' Options '
    object GroupBox3: TGroupBox
      Left = 8
      Top = 16
      Width = 210
      Height = 58
      Caption = ' Temp Rise ('#176'C) '
      object Edit1: TEdit
        OnKeyDown = Edit1KeyDown
        OnKeyPress = Edit1KeyPress
        Left = 8
        Top = 20
        Width = 48
        Height = 21
        Text = '20'
        MaxLength = 8
        Hint = 'Temperature rise over ambient.'
        OnExit = Edit1Exit
      end
      object UpDown1: TUpDown
        Left = 56
        Top = 20
        Width = 17
        Height = 21
        Min = 0
        Max = 300
        Position = 20
        Associate = Edit1
        OnChanging = UpDown1Changing
        OnClick = UpDown1Click
      end
      object Label1: TLabel
        Left = 84
        Top = 16
        Width = 78
        Height = 13
        Caption = 'Temp in ('#176'F) ='
      end
      object Label2: TLabel
        Left = 168
        Top = 16
        Width = 30
        Height = 13
        Caption = '36.0'
      end
      object ProgressBar1: TProgressBar
        Left = 84
        Top = 36
        Width = 116
        Height = 10
        Min = 0
        Max = 200
      end
    end
    object GroupBox4: TGroupBox
      Left = 8
      Top = 76
      Width = 210
      Height = 58
      Caption = ' Ambient Temp ('#176'C) '
      object Edit2: TEdit
        OnKeyDown = Edit2KeyDown
        OnKeyPress = Edit2KeyPress
        Left = 8
        Top = 20
        Width = 48
        Height = 21
        Text = '22'
        MaxLength = 8
        Hint = 'Ambient temperature.'
        OnExit = Edit2Exit
      end
      object UpDown2: TUpDown
        Left = 56
        Top = 20
        Width = 17
        Height = 21
        Min = -81
        Max = 300
        Position = 22
        Associate = Edit2
        OnChanging = UpDown2Changing
        OnClick = UpDown2Click
        OnExit = UpDown2Exit
      end
      object Label3: TLabel
        Left = 84
        Top = 16
        Width = 78
        Height = 13
        Caption = 'Temp in ('#176'F) ='
      end
      object Label4: TLabel
        Left = 168
        Top = 16
        Width = 30
        Height = 13
        Caption = '71.6'
      end
      object ProgressBar2: TProgressBar
        Left = 84
        Top = 36
        Width = 116
        Height = 10
        Min = -80
        Max = 200
        Position = -80
      end
    end
    object GroupBox9: TGroupBox
      Left = 8
      Top = 136
      Width = 210
      Height = 72
      Caption = ' Substrate Options '
      object Label35: TLabel
        Left = 8
        Top = 16
        Width = 90
        Height = 13
        Caption = 'Material Selection'
      end
      object ComboBox1: TComboBox
        OnKeyPress = ComboBox1KeyPress
        Left = 8
        Top = 30
        Width = 194
        Height = 21
        Style = csDropDownList
        DropDownCount = 20
        Hint = 'Select the PCB substrate.'
        OnChange = ComboBox1Change
        Font.Color = clNavy
        Font.Style = [fsBold]
        Items.Strings = (
          'FR-4 STD'
          'FR-5'
          'FR406'
          'FR408'
          'Getek ML200C'
          'Getek ML200D'
          'Getek ML200M'
          'Getek RG200D'
          'Isola P95'
          'Isola P96'
          'Isola P26N'
          'RO2800'
          'RO3003'
          'RO3006'
          'RO3010'
          'RO4003'
          'RO4350'
          'RT5500'
          'RT5870'
          'RT5880'
          'RT6002'
          'RT6006'
          'RT6010'
          'Teflon PTFE'
          'Arlon 25N'
          'Arlon 33N'
          'Arlon 85N'
          'PCL-FR-226'
          'PCL-FR-240'
          'PCL-FR-370'
          'PCL-FR-370HR'
          'N4000-7 EF'
          'N4000-13'
          'N4000-13SI'
          'N4000-13 EP'
          'N4000-13 EPSI'
          'N4000-29'
          'N7000-1'
          'Ventec VT-47'
          'Ventec VT-901'
          'Ventec VT-90H'
          'Megtron6'
          'Kappa 438'
          'Kapton'
          'Air'
          'Custom')
        ItemIndex = 0
      end
      object Label36: TLabel
        Left = 8
        Top = 54
        Width = 14
        Height = 13
        Caption = 'Er'
      end
      object Edit7: TEdit
        OnKeyDown = Edit7KeyDown
        OnKeyPress = Edit7KeyPress
        Left = 28
        Top = 51
        Width = 52
        Height = 18
        Text = '4.6'
        MaxLength = 8
        Hint = 'Manually enter the PCB substrate''s dielectric constant if needed.'
        OnClick = Edit7Click
        OnExit = Edit7Exit
      end
      object Label9: TLabel
        Left = 98
        Top = 54
        Width = 40
        Height = 13
        Caption = 'Tg ('#176'C)'
      end
      object Edit66: TEdit
        OnKeyDown = Edit66KeyDown
        OnKeyPress = Edit66KeyPress
        Left = 146
        Top = 51
        Width = 56
        Height = 18
        Text = '130'
        MaxLength = 8
        Hint = 'Manually enter the PCB substrate''s maximum glass temp if needed.'
        OnClick = Edit66Click
        OnExit = Edit66Exit
      end
    end
    object RadioGroup4: TRadioGroup
      Left = 8
      Top = 210
      Width = 210
      Height = 62
      Caption = ' Base Copper Weight '
      Columns = 3
      Hint = 'Select the base weight of the copper clad on the PCB.'
      Items.Strings = (
        '0.25oz'
        '0.5oz'
        '1oz'
        '1.5oz'
        '2oz'
        '2.5oz'
        '3oz'
        '4oz'
        '5oz')
      ItemIndex = 1
      OnClick = RadioGroup4Click
    end
    object RadioGroup1: TRadioGroup
      Left = 8
      Top = 274
      Width = 210
      Height = 60
      Caption = ' Plating Thickness '
      Columns = 3
      Hint = 'Select the plating thickness for external layers.'
      Enabled = False
      Items.Strings = (
        'Bare PCB'
        '0.5oz'
        '1oz'
        '1.5oz'
        '2oz'
        '2.5oz'
        '3oz')
      ItemIndex = 2
      OnClick = RadioGroup1Click
    end
    object GroupBox31: TGroupBox
      Left = 8
      Top = 210
      Width = 210
      Height = 62
      Caption = ' Base Copper Weight '
      Visible = False
      object Edit136: TEdit
        OnKeyDown = Edit136KeyDown
        OnKeyPress = Edit136KeyPress
        Left = 8
        Top = 24
        Width = 80
        Height = 21
        Text = '1'
        Hint = 'Base copper thickness.'
      end
      object Edit137: TEdit
        Left = 92
        Top = 24
        Width = 44
        Height = 21
        Text = 'mils'
        ReadOnly = True
        TabStop = False
      end
    end
    object GroupBox32: TGroupBox
      Left = 8
      Top = 274
      Width = 210
      Height = 60
      Caption = ' Plating Thickness '
      Visible = False
      object Edit138: TEdit
        OnKeyDown = Edit138KeyDown
        OnKeyPress = Edit138KeyPress
        Left = 8
        Top = 24
        Width = 80
        Height = 21
        Text = '1'
        Hint = 'Plating thickness.'
      end
      object Edit139: TEdit
        Left = 92
        Top = 24
        Width = 44
        Height = 21
        Text = 'mils'
        ReadOnly = True
        TabStop = False
      end
    end
    object RadioGroup5: TRadioGroup
      Left = 8
      Top = 336
      Width = 210
      Height = 81
      Caption = ' Plane Thickness '
      Hint = 'Select between a 1oz and a 2oz plane.'
      Items.Strings = (
        '0.5oz / 1oz'
        '2oz')
      ItemIndex = 0
      OnClick = RadioGroup5Click
    end
    object RadioGroup3: TRadioGroup
      Left = 8
      Top = 424
      Width = 210
      Height = 81
      Caption = ' Conductor Layer '
      Hint = 'Layer or passive circuit selection.'
      Items.Strings = (
        'Internal Layer'
        'External Layer')
      ItemIndex = 1
      OnClick = RadioGroup3Click
    end
    object RadioGroup6: TRadioGroup
      Left = 8
      Top = 508
      Width = 210
      Height = 42
      Caption = ' Units '
      Columns = 2
      Hint = 'Switch between imperial units and metric units.'
      Items.Strings = (
        'Imperial'
        'Metric')
      ItemIndex = 0
      OnClick = RadioGroup6Click
    end
    object Panel2: TPanel
      Left = 8
      Top = 554
      Width = 210
      Height = 104
      object Button1: TButton
        Left = 8
        Top = 8
        Width = 94
        Height = 30
        Caption = 'Solve!'
        Hint = 'Solve using the given inputs.'
        OnClick = Button1Click
      end
      object Button2: TButton
        Left = 108
        Top = 8
        Width = 94
        Height = 30
        Caption = 'Print'
        Hint = 'Print this form.'
        OnClick = Button2Click
      end
      object Label29: TLabel
        Left = 8
        Top = 48
        Width = 60
        Height = 13
        Caption = 'Printing...'
        Visible = False
      end
      object ProgressBar3: TProgressBar
        Left = 8
        Top = 66
        Width = 194
        Height = 12
        Min = 0
        Max = 100
        Visible = False
      end
      object Button3: TButton
        Left = 8
        Top = 80
        Width = 60
        Height = 20
        Caption = 'Button3'
        Visible = False
        OnClick = Button3Click
      end
    end
  end
  object Panel1: TPanel
    Left = 234
    Top = 52
    Width = 725
    Height = 552
  end
  object GroupBox30: TGroupBox
    Left = 234
    Top = 606
    Width = 725
    Height = 134
    Caption = ' Information '
    object Label55: TLabel
      Left = 10
      Top = 19
      Width = 120
      Height = 13
      Caption = 'Total Copper Thickness'
    end
    object Label56: TLabel
      Left = 10
      Top = 34
      Width = 60
      Height = 13
      Caption = 'N/A'
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    object Label319: TLabel
      Left = 10
      Top = 56
      Width = 60
      Height = 13
      Caption = ''
      Visible = False
    end
    object Label397: TLabel
      Left = 58
      Top = 56
      Width = 40
      Height = 13
      Caption = ''
      Visible = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    object Label350: TLabel
      Left = 108
      Top = 56
      Width = 30
      Height = 13
      Caption = '10:1'
      Visible = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    object Label320: TLabel
      Left = 10
      Top = 72
      Width = 60
      Height = 13
      Caption = ''
      Visible = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    object Label396: TLabel
      Left = 10
      Top = 72
      Width = 36
      Height = 13
      Caption = 'S/H = '
      Visible = False
    end
    object Label398: TLabel
      Left = 56
      Top = 72
      Width = 60
      Height = 13
      Caption = ''
      Visible = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    object Label23: TLabel
      Left = 10
      Top = 91
      Width = 120
      Height = 13
      Caption = 'Conductor Temperature'
    end
    object Label403: TLabel
      Left = 60
      Top = 92
      Width = 60
      Height = 13
      Caption = ''
      Visible = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    object Label27: TLabel
      Left = 10
      Top = 108
      Width = 60
      Height = 13
      Caption = 'N/A'
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    object Label106: TLabel
      Left = 178
      Top = 16
      Width = 120
      Height = 13
      Caption = 'Via Thermal Resistance'
      Visible = False
    end
    object Label110: TLabel
      Left = 178
      Top = 32
      Width = 60
      Height = 13
      Caption = 'N/A'
      Visible = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    object Label284: TLabel
      Left = 178
      Top = 52
      Width = 50
      Height = 13
      Caption = 'Via Count:'
      Visible = False
    end
    object Edit227: TEdit
      OnKeyDown = Edit227KeyDown
      OnKeyPress = Edit227KeyPress
      Left = 236
      Top = 49
      Width = 40
      Height = 19
      Text = '10'
      Visible = False
      Hint = 'Number of vias in parallel.'
    end
    object UpDown6: TUpDown
      Left = 276
      Top = 49
      Width = 17
      Height = 19
      Min = 1
      Max = 999
      Position = 10
      Associate = Edit227
      Visible = False
      OnChanging = UpDown1Changing
      OnClick = UpDown1Click
    end
    object Label285: TLabel
      Left = 178
      Top = 72
      Width = 60
      Height = 13
      Caption = 'N/A'
      Visible = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    object Label41: TLabel
      Left = 178
      Top = 91
      Width = 90
      Height = 13
      Caption = 'Via Voltage Drop'
      Visible = False
    end
    object Label72: TLabel
      Left = 178
      Top = 107
      Width = 60
      Height = 13
      Caption = 'N/A'
      Visible = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    object Image6: TImage
      Left = 420
      Top = 100
      Width = 72
      Height = 24
      Picture = 'link_home'
      Stretch = True
      Proportional = True
      Hint = 'Visit the Orvane, Inc. webpage.'
      OnClick = Image6Click
    end
    object Image43: TImage
      Left = 500
      Top = 100
      Width = 24
      Height = 24
      Picture = 'link_facebook'
      Stretch = True
      Proportional = True
      Hint = 'Follow Orvane on Facebook'
      OnClick = Image43Click
    end
    object Image77: TImage
      Left = 532
      Top = 100
      Width = 24
      Height = 24
      Picture = 'link_instagram'
      Stretch = True
      Proportional = True
      Hint = 'Follow Orvane on Instagram'
      OnClick = Image77Click
    end
    object Image44: TImage
      Left = 564
      Top = 100
      Width = 24
      Height = 24
      Picture = 'link_linkedin'
      Stretch = True
      Proportional = True
      Hint = 'Follow Orvane on LinkedIn'
      OnClick = Image44Click
    end
    object Image55: TImage
      Left = 596
      Top = 100
      Width = 24
      Height = 24
      Picture = 'link_x'
      Stretch = True
      Proportional = True
      Hint = 'Follow Orvane on X'
      OnClick = Image55Click
    end
    object Image57: TImage
      Left = 628
      Top = 100
      Width = 24
      Height = 24
      Picture = 'link_youtube'
      Stretch = True
      Proportional = True
      Hint = 'Follow Orvane on YouTube'
      OnClick = Image57Click
    end
    object Label165: TLabel
      Left = 600
      Top = 16
      Width = 50
      Height = 13
      Caption = 'Label165'
      Visible = False
    end
    // hidden: the last cross-section of the area correction
    object Label33: TLabel
      Left = 660
      Top = 16
      Width = 50
      Height = 13
      Caption = 'Label33'
      Visible = False
    end
    object Label363: TLabel
      Left = 600
      Top = 32
      Width = 50
      Height = 13
      Caption = 'Label363'
      Visible = False
    end
    object Label301: TLabel
      Left = 420
      Top = 16
      Width = 200
      Height = 13
      Caption = 'Registry Keys Error! CLICK ME!'
      Hint = 'Registry error detected, click to reinstall the keys.'
      OnClick = Label301Click
      Visible = False
      Font.Color = clRed
      Font.Style = [fsBold]
    end
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 743
    Width = 963
    Height = 20
    AutoHint = True
    Panels = <
      item
        Width = 650
      end
      item
        Alignment = taRightJustify
        Width = 313
      end>
  end
  object Timer1: TTimer
    Interval = 750
    OnTimer = Timer1Timer
  end
  object MainMenu1: TMainMenu
    object F1: TMenuItem
      Caption = '&File'
      object PrinterSetup1: TMenuItem
        Caption = 'Printer &Setup'
        OnClick = PrinterSetup1Click
      end
      object Print1: TMenuItem
        Caption = '&Print Form'
        OnClick = Print1Click
      end
      object N2: TMenuItem
        Caption = '-'
      end
      object Exit1: TMenuItem
        Caption = '&Exit'
        OnClick = Exit1Click
      end
      object Export1: TMenuItem
        Caption = '&Export'
        OnClick = Export1Click
        Visible = False
      end
    end
    object Function1: TMenuItem
      Caption = '&Program Function'
      object SignalProperties1: TMenuItem
        Caption = '&Bandwidth && Max Conductor Length'
        OnClick = SignalProperties1Click
      end
      object RFImpedances1: TMenuItem
        Caption = 'Conductor &Impedance'
        OnClick = RFImpedances1Click
      end
      object ConductorProperties1: TMenuItem
        Caption = '&Conductor Properties'
        OnClick = ConductorProperties1Click
      end
      object ConversionData1: TMenuItem
        Caption = 'C&onversion Calculator'
        OnClick = ConversionData1Click
      end
      object DifferentialPairs1: TMenuItem
        Caption = '&Differential Pair Calculator'
        OnClick = DifferentialPairs1Click
      end
      object EmbeddedRs1: TMenuItem
        Caption = 'Embedded &Resistors'
        OnClick = EmbeddedRs1Click
      end
      object ErEffective1: TMenuItem
        Caption = 'Er Effecti&ve'
        OnClick = ErEffective1Click
      end
      object FuseCurrent1: TMenuItem
        Caption = '&Fusing Current'
        OnClick = FuseCurrent1Click
      end
      object Mechanical1: TMenuItem
        Caption = '&Mechanical Information'
        OnClick = Mechanical1Click
      end
      object ConductorSpacing1: TMenuItem
        Caption = 'M&inimum Conductor &Spacing'
        OnClick = ConductorSpacing1Click
      end
      object OhmsLaw1: TMenuItem
        Caption = '&Ohm''s Law'
        OnClick = OhmsLaw1Click
      end
      object Padstacks1: TMenuItem
        Caption = '&Padstack Calculator'
        OnClick = Padstacks1Click
      end
      object PDNImpedance1: TMenuItem
        Caption = 'P&DN Calculator'
        OnClick = PDNImpedance1Click
      end
      object PlanarInductors1: TMenuItem
        Caption = 'Planar I&nductors'
        OnClick = PlanarInductors1Click
      end
      object PPMCalculator1: TMenuItem
        Caption = 'PPM-XTAL C&alculator'
        OnClick = PPMCalculator1Click
      end
      object ThermalManagement1: TMenuItem
        Caption = '&Thermal Management'
        OnClick = ThermalManagement1Click
      end
      object ViaProperties1: TMenuItem
        Caption = '&Via Properties'
        OnClick = ViaProperties1Click
      end
      object WavelengthCalculator1: TMenuItem
        Caption = 'Wavelength Calc&ulator'
        OnClick = WavelengthCalculator1Click
      end
      object XlXcReactance1: TMenuItem
        Caption = '&XC XL Reactance'
        OnClick = XlXCReactance1Click
      end
      object N5: TMenuItem
        Caption = '-'
      end
      object Unsuported1: TMenuItem
        Caption = 'Unsupported'
        object Crosstalk1: TMenuItem
          Caption = 'Crosstalk Calculator'
          OnClick = Crosstalk1Click
        end
      end
    end
    object ool1: TMenuItem
      Caption = '&Tools'
      object Calculator1: TMenuItem
        Caption = '&Calculator'
        OnClick = Calculator1Click
      end
      object ASCIIEditor1: TMenuItem
        Caption = '&ASCII Editor'
        OnClick = ASCIIEditor1Click
      end
      object N8: TMenuItem
        Caption = '-'
      end
      object CopperWeight1: TMenuItem
        Caption = '&Program Options'
        OnClick = CopperWeight1Click
      end
    end
    object Resources1: TMenuItem
      Caption = '&EDA Resources'
      Visible = False
      object Resources2: TMenuItem
        Caption = '&Resources'
        OnClick = Resources2Click
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
      object HelpTopics1: TMenuItem
        Caption = '&Help Topics'
        OnClick = HelpTopics1Click
      end
      object N6: TMenuItem
        Caption = '-'
      end
      object Disclaimer1: TMenuItem
        Caption = '&Program Disclaimer'
        OnClick = Disclaimer1Click
      end
      object References1: TMenuItem
        Caption = 'Program &References'
        OnClick = References1Click
      end
      object N1: TMenuItem
        Caption = '-'
        Enabled = False
      end
      object About1: TMenuItem
        Caption = '&About Trellis'
        OnClick = About1Click
      end
      object EULA1: TMenuItem
        Caption = '&EULA'
        OnClick = EULA1Click
      end
      object ReinstallRegistryKeys1: TMenuItem
        Caption = 'Re&install Registry Keys'
        OnClick = ReinstallRegistryKeys1Click
      end
    end
    object N7: TMenuItem
      Caption = '|'
      Enabled = False
    end
    object Feedback1: TMenuItem
      Caption = '&Contact Orvane, Inc.'
      object SendFeedbackToOrvane1: TMenuItem
        Caption = '&Send Program Feedback To Orvane, Inc.'
        OnClick = SendFeedbackToOrvane1Click
      end
      object N3: TMenuItem
        Caption = '-'
      end
      object ContactOrvane1: TMenuItem
        Caption = '&Contact Orvane, Inc.'
        OnClick = ContactOrvane1Click
      end
      object N4: TMenuItem
        Caption = '-'
      end
      object PCBDesignServices1: TMenuItem
        Caption = '&PCB Design Services'
        OnClick = PCBDesignServices1Click
      end
      object ElectronicEngineeringServices1: TMenuItem
        Caption = '&Electronic Engineering Services'
        OnClick = ElectronicEngineeringServices1Click
      end
      object SoftwareDevelopmentServices1: TMenuItem
        Caption = 'S&oftware Development Services'
        OnClick = SoftwareDevelopmentServices1Click
      end
      object ConsultingServices1: TMenuItem
        Caption = 'Consultin&g Services'
        OnClick = ConsultingServices1Click
      end
      object RFEngineeringServices1: TMenuItem
        Caption = 'RF Engineer&ing Services'
        OnClick = RFEngineeringServices1Click
      end
      object PCBAssemblyServices1: TMenuItem
        Caption = 'PCB &Assembly Services'
        OnClick = PCBAssemblyServices1Click
      end
      object PCBManufacturingServices1: TMenuItem
        Caption = 'PCB &Manufacturing Services'
        OnClick = PCBManufacturingServices1Click
      end
      object N9: TMenuItem
        Caption = '-'
      end
      object FollowOrvaneonFacebook1: TMenuItem
        Caption = 'Follow Orvane on &Facebook'
        OnClick = FollowOrvaneonFacebook1Click
      end
      object FollowOrvaneonLinkedIn3: TMenuItem
        Caption = 'Follow Orvane on &X'
        OnClick = FollowOrvaneonLinkedIn3Click
      end
      object FollowOrvaneonLinkedIn1: TMenuItem
        Caption = 'Follow Orvane on &LinkedIn'
        OnClick = FollowOrvaneonLinkedIn1Click
      end
      object FollowOrvaneonLinkedIn2: TMenuItem
        Caption = '&Follow Orvane on &YouTube'
        OnClick = FollowOrvaneonLinkedIn2Click
      end
      object N10: TMenuItem
        Caption = '-'
      end
      object About2: TMenuItem
        Caption = 'About O&rvane, Inc.'
        OnClick = About2Click
      end
    end
  end
  object PrinterSetupDialog1: TPrinterSetupDialog
  end
end

object Form9: TForm9
  Caption = 'EDA Resources (This form is a "work in progress" resource.)'
  ClientWidth = 664
  ClientHeight = 644
  BorderStyle = bsSingle
  Position = poScreenCenter
  ShowHint = True
  // schematic symbols and footprints
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 320
    Height = 156
    Caption = ' Schematic Symbols / PCB Footprints '
    TabOrder = 0
    object ButtonGroup2: TButtonGroup
      Left = 8
      Top = 24
      Width = 304
      Height = 124
      Items.Strings = (
        'Scheme-it'
        'Snap EDA'
        ''
        ''
        ''
        ''
        ''
        ''
        ''
        ''
        '')
      TabOrder = 0
    end
  end
  // 3D models
  object GroupBox2: TGroupBox
    Left = 336
    Top = 8
    Width = 320
    Height = 156
    Caption = ' 3D Models '
    TabOrder = 1
    object ButtonGroup3: TButtonGroup
      Left = 8
      Top = 24
      Width = 304
      Height = 124
      Items.Strings = (
        '3D Content Central'
        ''
        ''
        ''
        ''
        ''
        ''
        ''
        ''
        ''
        '')
      TabOrder = 0
    end
  end
  // simulations
  object GroupBox3: TGroupBox
    Left = 8
    Top = 172
    Width = 320
    Height = 300
    Caption = ' Simulations '
    TabOrder = 2
    object ButtonGroup1: TButtonGroup
      Left = 8
      Top = 24
      Width = 304
      Height = 268
      Items.Strings = (
        'Circuit Lab'
        'Mathcad'
        'Multisim'
        'Sonnet'
        'Ansys HFSS'
        'PathWave RF Synthesis'
        'Sigrity Advanced SI'
        'HyperLynx'
        'WEBENCH'
        'PSpice for TI'
        ''
        ''
        ''
        ''
        ''
        ''
        ''
        ''
        ''
        ''
        '')
      TabOrder = 0
    end
  end
  // board and signal-integrity learning
  object GroupBox4: TGroupBox
    Left = 336
    Top = 172
    Width = 320
    Height = 300
    Caption = ' PCB / SI Learning '
    TabOrder = 3
    object ButtonGroup4: TButtonGroup
      Left = 8
      Top = 24
      Width = 304
      Height = 268
      Items.Strings = (
        'FEDEVEL Academy'
        'Signal Integrity Design Notes'
        ''
        ''
        ''
        ''
        ''
        ''
        ''
        ''
        '')
      TabOrder = 0
    end
  end
  // miscellaneous
  object GroupBox5: TGroupBox
    Left = 8
    Top = 480
    Width = 320
    Height = 156
    Caption = ' Miscellaneous '
    TabOrder = 4
    object ButtonGroup6: TButtonGroup
      Left = 8
      Top = 24
      Width = 304
      Height = 124
      Items.Strings = (
        'EEVblog '
        ''
        ''
        ''
        ''
        ''
        ''
        ''
        ''
        ''
        '')
      TabOrder = 0
    end
  end
  // books and standards
  object GroupBox6: TGroupBox
    Left = 336
    Top = 480
    Width = 320
    Height = 156
    Caption = ' Books / Standards '
    TabOrder = 5
    object ButtonGroup5: TButtonGroup
      Left = 8
      Top = 24
      Width = 304
      Height = 124
      Items.Strings = (
        'IPC'
        'IEEE'
        'Printed Circuits Handbook, Seventh Edition'
        'The Hitchhiker''s Guide to PCB Design'
        ''
        ''
        ''
        ''
        ''
        ''
        '')
      TabOrder = 0
    end
  end
end

object GroupBox36: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' PPM Calculator '
  object GroupBox37: TGroupBox
    Left = 16
    Top = 24
    Width = 344
    Height = 184
    Caption = ' PPM to Hertz '
    TabOrder = 0
    object Label961: TLabel
      Left = 16
      Top = 27
      Width = 116
      Height = 15
      Caption = 'Center Frequency'
    end
    object Edit170: TEdit
      OnKeyDown = Edit170KeyDown
      OnKeyPress = Edit170KeyPress
      Left = 168
      Top = 24
      Width = 96
      Height = 22
      Text = '50000000'
      Hint = 'Enter the center frequency.'
      TabOrder = 0
    end
    // unit of Edit170
    object Edit945: TEdit
      Left = 268
      Top = 24
      Width = 48
      Height = 22
      Text = 'Hz'
      ReadOnly = True
      TabStop = False
    end
    object Label962: TLabel
      Left = 16
      Top = 55
      Width = 70
      Height = 15
      Caption = 'PPM Value'
    end
    object Edit171: TEdit
      OnKeyDown = Edit171KeyDown
      OnKeyPress = Edit171KeyPress
      Left = 168
      Top = 52
      Width = 96
      Height = 22
      Text = '25'
      Hint = 'Enter the PPM value.'
      TabOrder = 1
    end
    // unit of Edit171
    object Edit946: TEdit
      Left = 268
      Top = 52
      Width = 48
      Height = 22
      Text = 'PPM'
      ReadOnly = True
      TabStop = False
    end
    object Label963: TLabel
      Left = 16
      Top = 95
      Width = 144
      Height = 15
      Caption = 'Variation of Frequency'
    end
    object Edit172: TEdit
      Left = 168
      Top = 92
      Width = 110
      Height = 22
      Text = ''
      Hint = 'Variation of frequency per the given PPM value.'
      ReadOnly = True
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 2
    end
    // unit of Edit172
    object Edit947: TEdit
      Left = 282
      Top = 92
      Width = 48
      Height = 22
      Text = 'Hz'
      ReadOnly = True
      TabStop = False
    end
    object Label964: TLabel
      Left = 16
      Top = 123
      Width = 134
      Height = 15
      Caption = 'Maximum Frequency'
    end
    object Edit173: TEdit
      Left = 168
      Top = 120
      Width = 110
      Height = 22
      Text = ''
      Hint = 'Maximum frequency per the given PPM value.'
      ReadOnly = True
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 3
    end
    // unit of Edit173
    object Edit948: TEdit
      Left = 282
      Top = 120
      Width = 48
      Height = 22
      Text = 'Hz'
      ReadOnly = True
      TabStop = False
    end
    object Label965: TLabel
      Left = 16
      Top = 151
      Width = 130
      Height = 15
      Caption = 'Minimum Frequency'
    end
    object Edit180: TEdit
      Left = 168
      Top = 148
      Width = 110
      Height = 22
      Text = ''
      Hint = 'Minimum frequency per the given PPM value.'
      ReadOnly = True
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 4
    end
    // unit of Edit180
    object Edit949: TEdit
      Left = 282
      Top = 148
      Width = 48
      Height = 22
      Text = 'Hz'
      ReadOnly = True
      TabStop = False
    end
  end
  object GroupBox38: TGroupBox
    Left = 368
    Top = 24
    Width = 341
    Height = 184
    Caption = ' Hertz to PPM '
    TabOrder = 1
    object Label966: TLabel
      Left = 16
      Top = 27
      Width = 116
      Height = 15
      Caption = 'Center Frequency'
    end
    object Edit181: TEdit
      OnKeyDown = Edit181KeyDown
      OnKeyPress = Edit181KeyPress
      Left = 168
      Top = 24
      Width = 96
      Height = 22
      Text = '32000'
      Hint = 'Enter the center frequency.'
      TabOrder = 0
    end
    // unit of Edit181
    object Edit950: TEdit
      Left = 268
      Top = 24
      Width = 48
      Height = 22
      Text = 'Hz'
      ReadOnly = True
      TabStop = False
    end
    object Label967: TLabel
      Left = 16
      Top = 55
      Width = 134
      Height = 15
      Caption = 'Maximum Frequency'
    end
    object Edit182: TEdit
      OnKeyDown = Edit182KeyDown
      OnKeyPress = Edit182KeyPress
      Left = 168
      Top = 52
      Width = 96
      Height = 22
      Text = '32001'
      Hint = 'Enter the maximum frequency.'
      TabOrder = 1
    end
    // unit of Edit182
    object Edit951: TEdit
      Left = 268
      Top = 52
      Width = 48
      Height = 22
      Text = 'Hz'
      ReadOnly = True
      TabStop = False
    end
    object Label968: TLabel
      Left = 16
      Top = 95
      Width = 144
      Height = 15
      Caption = 'Variation of Frequency'
    end
    object Edit183: TEdit
      Left = 168
      Top = 92
      Width = 110
      Height = 22
      Text = ''
      Hint = 'Variation of frequency per the given frequency values.'
      ReadOnly = True
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 2
    end
    // unit of Edit183
    object Edit952: TEdit
      Left = 282
      Top = 92
      Width = 48
      Height = 22
      Text = 'Hz'
      ReadOnly = True
      TabStop = False
    end
    object Label969: TLabel
      Left = 16
      Top = 123
      Width = 70
      Height = 15
      Caption = 'PPM Value'
    end
    object Edit184: TEdit
      Left = 168
      Top = 120
      Width = 110
      Height = 22
      Text = ''
      Hint = 'Calculated PPM value per the given frequencies.'
      ReadOnly = True
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 3
    end
    // unit of Edit184
    object Edit953: TEdit
      Left = 282
      Top = 120
      Width = 48
      Height = 22
      Text = 'PPM'
      ReadOnly = True
      TabStop = False
    end
  end
  object GroupBox50: TGroupBox
    Left = 16
    Top = 216
    Width = 693
    Height = 148
    Caption = ' XTAL Capacitor Value  '
    TabOrder = 2
    object Label970: TLabel
      Left = 16
      Top = 27
      Width = 116
      Height = 15
      Caption = 'Load Capacitance'
    end
    object Edit106: TEdit
      OnKeyDown = Edit106KeyDown
      OnKeyPress = Edit106KeyPress
      Left = 168
      Top = 24
      Width = 96
      Height = 22
      Text = '10'
      Hint = 'Enter the load capacitance of the XTAL from the datasheet.'
      TabOrder = 0
    end
    // unit of Edit106
    object Edit954: TEdit
      Left = 268
      Top = 24
      Width = 48
      Height = 22
      Text = 'pF'
      ReadOnly = True
      TabStop = False
    end
    object Label971: TLabel
      Left = 368
      Top = 27
      Width = 104
      Height = 15
      Caption = 'Based on C1-C2'
    end
    object Edit341: TEdit
      Left = 520
      Top = 24
      Width = 150
      Height = 22
      Text = ''
      Hint = 'Calculated value based on C1-C2 inputs and stray capacitance. This should match the load capacitance of the XTAL. '
      ReadOnly = True
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 1
    end
    object Label972: TLabel
      Left = 16
      Top = 55
      Width = 118
      Height = 15
      Caption = 'Stray Capacitance'
    end
    object Edit115: TEdit
      OnKeyDown = Edit115KeyDown
      OnKeyPress = Edit115KeyPress
      Left = 168
      Top = 52
      Width = 96
      Height = 22
      Text = '3'
      Hint = 'Enter the stray capacitance from the PCB routing (typically between 2pF and 5pF depending on length of conductors).'
      TabOrder = 2
    end
    // unit of Edit115
    object Edit955: TEdit
      Left = 268
      Top = 52
      Width = 48
      Height = 22
      Text = 'pF'
      ReadOnly = True
      TabStop = False
    end
    object Label973: TLabel
      Left = 368
      Top = 55
      Width = 96
      Height = 15
      Caption = 'Rule of Thumb'
    end
    object Edit340: TEdit
      Left = 520
      Top = 52
      Width = 150
      Height = 22
      Text = ''
      Hint = 'Rule of thumb value for C1-C2 based on load / stray capacitance.'
      ReadOnly = True
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 3
    end
    object Label974: TLabel
      Left = 16
      Top = 83
      Width = 62
      Height = 15
      Caption = 'C1 Value'
    end
    object Edit339: TEdit
      OnKeyDown = Edit339KeyDown
      OnKeyPress = Edit339KeyPress
      Left = 168
      Top = 80
      Width = 96
      Height = 22
      Text = '14'
      Hint = 'Enter the value of C1.'
      TabOrder = 4
    end
    // unit of Edit339
    object Edit956: TEdit
      Left = 268
      Top = 80
      Width = 48
      Height = 22
      Text = 'pF'
      ReadOnly = True
      TabStop = False
    end
    object Label975: TLabel
      Left = 16
      Top = 111
      Width = 62
      Height = 15
      Caption = 'C2 Value'
    end
    object Edit338: TEdit
      OnKeyDown = Edit338KeyDown
      OnKeyPress = Edit338KeyPress
      Left = 168
      Top = 108
      Width = 96
      Height = 22
      Text = '14'
      Hint = 'Enter the value of C2.'
      TabOrder = 5
    end
    // unit of Edit338
    object Edit957: TEdit
      Left = 268
      Top = 108
      Width = 48
      Height = 22
      Text = 'pF'
      ReadOnly = True
      TabStop = False
    end
  end
  // help on crystals
  object BitBtn5: TBitBtn
    Left = 621
    Top = 508
    Width = 88
    Height = 28
    Caption = '&Help'
    Kind = bkHelp
    Hint = 'Open help on this topic.'
    TabOrder = 40
    OnClick = BitBtn5Click
  end
end

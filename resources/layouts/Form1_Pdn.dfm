object GroupBox23: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Plane Information '
  object GroupBox700: TGroupBox
    Left = 16
    Top = 24
    Width = 336
    Height = 60
    Caption = ' Supply Voltage '
    TabOrder = 0
    object Label945: TLabel
      Left = 16
      Top = 27
      Width = 80
      Height = 15
      Caption = 'Voltage Rail'
    end
    object Edit105: TEdit
      OnKeyDown = Edit105KeyDown
      OnKeyPress = Edit105KeyPress
      Left = 172
      Top = 24
      Width = 80
      Height = 22
      Text = '5'
      Hint = 'Enter the supply rail voltage.'
      MaxLength = 8
      TabOrder = 0
    end
    // unit of Edit105
    object Edit940: TEdit
      Left = 256
      Top = 24
      Width = 48
      Height = 22
      Text = 'VDC'
      ReadOnly = True
      TabStop = False
    end
  end
  object GroupBox701: TGroupBox
    Left = 368
    Top = 24
    Width = 341
    Height = 214
    Caption = ' Plane Capacitance '
    TabOrder = 1
    object Label950: TLabel
      Left = 16
      Top = 27
      Width = 90
      Height = 15
      Caption = 'Area of Plane'
    end
    object Edit228: TEdit
      OnKeyDown = Edit228KeyDown
      OnKeyPress = Edit228KeyPress
      Left = 184
      Top = 24
      Width = 80
      Height = 22
      Text = '5'
      Hint = 'Enter the area of the plane.'
      MaxLength = 16
      TabOrder = 0
    end
    object Edit231: TEdit
      Left = 268
      Top = 24
      Width = 48
      Height = 22
      Text = 'Sq.In'
      ReadOnly = True
      TabStop = False
    end
    object Label951: TLabel
      Left = 16
      Top = 55
      Width = 160
      Height = 15
      Caption = 'Distance Between Planes'
    end
    object Edit229: TEdit
      OnKeyDown = Edit229KeyDown
      OnKeyPress = Edit229KeyPress
      Left = 184
      Top = 52
      Width = 80
      Height = 22
      Text = '2'
      Hint = 'Enter the distance between the two planes.'
      MaxLength = 8
      TabOrder = 1
    end
    object Edit232: TEdit
      Left = 268
      Top = 52
      Width = 48
      Height = 22
      Text = 'mils'
      ReadOnly = True
      TabStop = False
    end
    object Label952: TLabel
      Left = 16
      Top = 83
      Width = 72
      Height = 15
      Caption = 'Frequency'
    end
    object Edit234: TEdit
      OnKeyDown = Edit234KeyDown
      OnKeyPress = Edit234KeyPress
      Left = 184
      Top = 80
      Width = 80
      Height = 22
      Text = '1'
      Hint = 'Enter the signal frequency (if any) for Xc calculation.'
      MaxLength = 8
      TabOrder = 2
    end
    object Edit233: TEdit
      Left = 268
      Top = 80
      Width = 48
      Height = 22
      Text = 'MHz'
      ReadOnly = True
      TabStop = False
    end
    object CheckBox4: TCheckBox
      OnClick = CheckBox4Click
      OnKeyPress = CheckBox4KeyPress
      Left = 184
      Top = 108
      Width = 64
      Height = 22
      Caption = 'DC'
      TabOrder = 3
    end
    object Label953: TLabel
      Left = 16
      Top = 151
      Width = 154
      Height = 15
      Caption = 'Total Plane Capacitance'
    end
    object Edit230: TEdit
      Left = 184
      Top = 148
      Width = 144
      Height = 22
      Text = ''
      Hint = 'Total plane capacitance per the given inputs.'
      ReadOnly = True
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 4
    end
    object Label295: TLabel
      Left = 16
      Top = 179
      Width = 140
      Height = 15
      Caption = 'Capacitive Reactance'
    end
    object Edit235: TEdit
      Left = 184
      Top = 176
      Width = 144
      Height = 22
      Text = ''
      Hint = 'Capacitive reactance of the plane per the given inputs.'
      ReadOnly = True
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 5
    end
  end
  object GroupBox702: TGroupBox
    Left = 16
    Top = 92
    Width = 336
    Height = 60
    Caption = ' Supply Noise Margin '
    TabOrder = 2
    object Label946: TLabel
      Left = 16
      Top = 27
      Width = 130
      Height = 15
      Caption = 'Maximum AC Ripple'
    end
    object Edit107: TEdit
      OnKeyDown = Edit107KeyDown
      OnKeyPress = Edit107KeyPress
      Left = 172
      Top = 24
      Width = 63
      Height = 22
      Text = '5'
      Hint = 'Enter the maximum allowable AC voltage ripple on the power rail.'
      MaxLength = 8
      TabOrder = 0
    end
    object UpDown4: TUpDown
      Left = 235
      Top = 24
      Width = 17
      Height = 22
      Min = 0
      Max = 100
      Position = 5
      Associate = Edit107
      OnChanging = UpDown4Changing
      OnClick = UpDown4Click
    end
    // unit of Edit107
    object Edit941: TEdit
      Left = 256
      Top = 24
      Width = 48
      Height = 22
      Text = '%'
      ReadOnly = True
      TabStop = False
    end
  end
  object GroupBox703: TGroupBox
    Left = 16
    Top = 160
    Width = 336
    Height = 88
    Caption = ' Supply Current '
    TabOrder = 3
    object Label947: TLabel
      Left = 16
      Top = 27
      Width = 118
      Height = 15
      Caption = 'Maximum Current'
    end
    object Edit108: TEdit
      OnKeyDown = Edit108KeyDown
      OnKeyPress = Edit108KeyPress
      Left = 172
      Top = 24
      Width = 80
      Height = 22
      Text = '2'
      Hint = 'Enter the maximum supply current for given rail.'
      MaxLength = 8
      TabOrder = 0
    end
    // unit of Edit108
    object Edit942: TEdit
      Left = 256
      Top = 24
      Width = 48
      Height = 22
      Text = 'Amps'
      ReadOnly = True
      TabStop = False
    end
    object Label948: TLabel
      Left = 16
      Top = 55
      Width = 136
      Height = 15
      Caption = 'Transient Percentage'
    end
    object Edit110: TEdit
      OnKeyDown = Edit110KeyDown
      OnKeyPress = Edit110KeyPress
      Left = 172
      Top = 52
      Width = 63
      Height = 22
      Text = '50'
      Hint = 'Enter the percentage of supply current that is considered transient.'
      MaxLength = 8
      TabOrder = 1
    end
    object UpDown5: TUpDown
      Left = 235
      Top = 52
      Width = 17
      Height = 22
      Min = 1
      Max = 100
      Position = 50
      Associate = Edit110
      OnChanging = UpDown5Changing
      OnClick = UpDown5Click
    end
    // unit of Edit110
    object Edit943: TEdit
      Left = 256
      Top = 52
      Width = 48
      Height = 22
      Text = '%'
      ReadOnly = True
      TabStop = False
    end
  end
  object Label949: TLabel
    Left = 32
    Top = 267
    Width = 148
    Height = 15
    Caption = 'Target PDN Impedance'
  end
  object Edit109: TEdit
    Left = 188
    Top = 264
    Width = 150
    Height = 22
    Text = ''
    Hint = 'Target PDN impedance per the given inputs.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 4
  end
end

object GroupBox27: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Thermal Management '
  object GroupBox28: TGroupBox
    Left = 16
    Top = 24
    Width = 693
    Height = 248
    Caption = ' Device Junction Temperature '
    TabOrder = 0
    object Label230: TLabel
      Left = 16
      Top = 27
      Width = 208
      Height = 16
      Caption = 'Device Thermal Resistance'
    end
    object Edit116: TEdit
      OnKeyDown = Edit116KeyDown
      OnKeyPress = Edit116KeyPress
      Left = 232
      Top = 24
      Width = 88
      Height = 22
      Text = '3'
      MaxLength = 8
      Hint = 'Enter the thermal resistance of the device.'
      TabOrder = 0
    end
    object Edit118: TEdit
      Left = 324
      Top = 24
      Width = 48
      Height = 22
      Text = #176'C/W'
      ReadOnly = True
      TabStop = False
      TabOrder = 1
    end
    object Label231: TLabel
      Left = 16
      Top = 55
      Width = 208
      Height = 16
      Caption = 'Device Power Dissipation'
    end
    object Edit117: TEdit
      OnKeyDown = Edit117KeyDown
      OnKeyPress = Edit117KeyPress
      Left = 232
      Top = 52
      Width = 88
      Height = 22
      Text = '5'
      MaxLength = 8
      Hint = 'Enter the power being dissipated by the device.'
      TabOrder = 2
    end
    object Edit120: TEdit
      Left = 324
      Top = 52
      Width = 48
      Height = 22
      Text = 'Watts'
      ReadOnly = True
      TabStop = False
      TabOrder = 3
    end
    object Label229: TLabel
      Left = 16
      Top = 99
      Width = 208
      Height = 16
      Caption = 'Device Junction Temp'
    end
    object Edit119: TEdit
      Left = 232
      Top = 96
      Width = 140
      Height = 22
      Text = ' '
      ReadOnly = True
      Hint = 'Device junction temperature per the given inputs.'
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 4
    end
    object Image11: TImage
      Left = 448
      Top = 24
      Width = 232
      Height = 208
      Picture = 'cond_thermal_device'
      Stretch = True
      Proportional = True
    end
  end
  object GroupBox29: TGroupBox
    Left = 16
    Top = 280
    Width = 693
    Height = 256
    Caption = ' Heat Sink Selection '
    TabOrder = 1
    object Label232: TLabel
      Left = 16
      Top = 27
      Width = 208
      Height = 16
      Caption = 'Heat Sink Thermal Resistance'
    end
    object Edit121: TEdit
      OnKeyDown = Edit121KeyDown
      OnKeyPress = Edit121KeyPress
      Left = 232
      Top = 24
      Width = 88
      Height = 22
      Text = '25'
      MaxLength = 8
      Hint = 'Enter the thermal resistance of the heatsink.'
      TabOrder = 0
    end
    object Edit122: TEdit
      Left = 324
      Top = 24
      Width = 48
      Height = 22
      Text = #176'C/W'
      ReadOnly = True
      TabStop = False
      TabOrder = 1
    end
    object Label234: TLabel
      Left = 16
      Top = 55
      Width = 208
      Height = 16
      Caption = 'Device Power Dissipation'
    end
    object Edit124: TEdit
      OnKeyDown = Edit124KeyDown
      OnKeyPress = Edit124KeyPress
      Left = 232
      Top = 52
      Width = 88
      Height = 22
      Text = '5'
      MaxLength = 8
      Hint = 'Enter the power being dissipated by the device.'
      TabOrder = 2
    end
    object Edit125: TEdit
      Left = 324
      Top = 52
      Width = 48
      Height = 22
      Text = 'Watts'
      ReadOnly = True
      TabStop = False
      TabOrder = 3
    end
    object Label233: TLabel
      Left = 16
      Top = 99
      Width = 208
      Height = 16
      Caption = 'Heat Sink Junction Temp'
    end
    object Edit123: TEdit
      Left = 232
      Top = 96
      Width = 140
      Height = 22
      ReadOnly = True
      Hint = 'Heatsink junction temperature per the given inputs.'
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 4
    end
    object Label279: TLabel
      Left = 16
      Top = 144
      Width = 280
      Height = 16
      Caption = 'Thermal resistance value is based'
    end
    object Label280: TLabel
      Left = 16
      Top = 160
      Width = 280
      Height = 16
      Caption = 'on a 75'#176'C rise in natural convection.'
    end
    object Image14: TImage
      Left = 448
      Top = 24
      Width = 232
      Height = 208
      Picture = 'cond_thermal_heatsink'
      Stretch = True
      Proportional = True
    end
  end
end

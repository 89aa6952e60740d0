object GroupBox48: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' XC XL Reactance '
  object Label976: TLabel
    Left = 16
    Top = 30
    Width = 72
    Height = 15
    Caption = 'Frequency'
  end
  object Edit270: TEdit
    OnKeyDown = Edit270KeyDown
    OnKeyPress = Edit270KeyPress
    Left = 16
    Top = 48
    Width = 104
    Height = 22
    Text = '1'
    Hint = 'Enter the frequency.'
    TabOrder = 0
  end
  object Edit278: TEdit
    Left = 124
    Top = 48
    Width = 42
    Height = 22
    Text = 'MHz'
    ReadOnly = True
    TabStop = False
  end
  object RadioGroup19: TRadioGroup
    OnClick = RadioGroup19Click
    Left = 184
    Top = 24
    Width = 248
    Height = 52
    Caption = 'Units '
    Columns = 4
    Hint = 'Select units for frequency.'
    Items.Strings = (
      'GHz'
      'MHz'
      'KHz'
      'Hz')
    ItemIndex = 1
    TabOrder = 1
  end
  object Label977: TLabel
    Left = 16
    Top = 102
    Width = 84
    Height = 15
    Caption = 'Capacitance'
  end
  object Edit271: TEdit
    OnKeyDown = Edit271KeyDown
    OnKeyPress = Edit271KeyPress
    Left = 16
    Top = 120
    Width = 104
    Height = 22
    Text = '1'
    Hint = 'Enter the capacitance.'
    TabOrder = 2
  end
  object Edit276: TEdit
    Left = 139
    Top = 120
    Width = 30
    Height = 22
    Text = 'uF'
    ReadOnly = True
    TabStop = False
  end
  object RadioGroup17: TRadioGroup
    OnClick = RadioGroup17Click
    Left = 184
    Top = 96
    Width = 248
    Height = 52
    Caption = 'Units '
    Columns = 3
    Hint = 'Select units for capacitance.'
    Items.Strings = (
      'uF'
      'nF'
      'pF')
    ItemIndex = 0
    TabOrder = 3
  end
  object Label978: TLabel
    Left = 16
    Top = 174
    Width = 76
    Height = 15
    Caption = 'Inductance'
  end
  object Edit272: TEdit
    OnKeyDown = Edit272KeyDown
    OnKeyPress = Edit272KeyPress
    Left = 16
    Top = 192
    Width = 104
    Height = 22
    Text = '1'
    Hint = 'Enter the inductance.'
    TabOrder = 4
  end
  object Edit277: TEdit
    Left = 134
    Top = 192
    Width = 32
    Height = 22
    Text = 'mH'
    ReadOnly = True
    TabStop = False
  end
  object RadioGroup18: TRadioGroup
    OnClick = RadioGroup18Click
    Left = 184
    Top = 168
    Width = 248
    Height = 52
    Caption = 'Units '
    Columns = 3
    Hint = 'Select units for inductance.'
    Items.Strings = (
      'mH'
      'uH'
      'nH')
    ItemIndex = 0
    TabOrder = 5
  end
  object Label979: TLabel
    Left = 16
    Top = 254
    Width = 24
    Height = 15
    Caption = 'Xc'
  end
  object Edit273: TEdit
    Left = 16
    Top = 272
    Width = 150
    Height = 22
    Text = ''
    Hint = 'Capacitive reactance based on inputs.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 6
  end
  object Label980: TLabel
    Left = 16
    Top = 310
    Width = 22
    Height = 15
    Caption = 'Xl'
  end
  object Edit274: TEdit
    Left = 16
    Top = 328
    Width = 150
    Height = 22
    Text = ''
    Hint = 'Inductive reactance based on inputs.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 7
  end
  object Label981: TLabel
    Left = 16
    Top = 366
    Width = 132
    Height = 15
    Caption = 'Resonant Frequency'
  end
  object Edit275: TEdit
    Left = 16
    Top = 384
    Width = 150
    Height = 22
    Text = ''
    Hint = 'Resonant frequency based on inputs.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 8
  end
end

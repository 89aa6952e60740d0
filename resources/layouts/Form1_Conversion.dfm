object GroupBox7: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Units Conversion Data '
  // distance
  object GroupBox16: TGroupBox
    Left = 16
    Top = 24
    Width = 522
    Height = 120
    Caption = ' Distance Conversion '
    TabOrder = 0
    object Label1040: TLabel
      Left = 16
      Top = 27
      Width = 72
      Height = 16
      Caption = 'Input'
    end
    // distance to convert
    object Edit80: TEdit
      OnKeyDown = Edit80KeyDown
      OnKeyPress = Edit80KeyPress
      Left = 96
      Top = 24
      Width = 80
      Height = 22
      Text = '10'
      Hint = 'Enter the distance to be converted.'
      TabOrder = 0
    end
    // its unit
    object Edit82: TEdit
      Left = 180
      Top = 24
      Width = 48
      Height = 22
      Text = 'mils'
      ReadOnly = True
      TabStop = False
      TabOrder = 1
    end
    object Label1041: TLabel
      Left = 252
      Top = 27
      Width = 84
      Height = 16
      Caption = 'Output'
    end
    // converted distances and their units
    object Edit81: TEdit
      Left = 344
      Top = 24
      Width = 110
      Height = 22
      Text = ''
      Hint = 'Converted distnace.'
      ReadOnly = True
      Enabled = False
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 2
    end
    object Edit83: TEdit
      Left = 458
      Top = 24
      Width = 48
      Height = 22
      Text = 'mm'
      ReadOnly = True
      TabStop = False
      TabOrder = 3
    end
    object Edit142: TEdit
      Left = 344
      Top = 52
      Width = 110
      Height = 22
      Text = ''
      Hint = 'Converted distnace.'
      ReadOnly = True
      Enabled = False
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 4
    end
    object Edit144: TEdit
      Left = 458
      Top = 52
      Width = 48
      Height = 22
      Text = 'in'
      ReadOnly = True
      TabStop = False
      TabOrder = 5
    end
    object Edit143: TEdit
      Left = 344
      Top = 80
      Width = 110
      Height = 22
      Text = ''
      Hint = 'Converted distnace.'
      ReadOnly = True
      Enabled = False
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 6
    end
    object Edit145: TEdit
      Left = 458
      Top = 80
      Width = 48
      Height = 22
      Text = 'um'
      ReadOnly = True
      TabStop = False
      TabOrder = 7
    end
  end
  object GroupBox730: TGroupBox
    Left = 546
    Top = 24
    Width = 163
    Height = 228
    Caption = ' Charts and Conversions '
    TabOrder = 1
    // "PCB Design Rules"
    object Button23: TButton
      OnClick = Button23Click
      Left = 16
      Top = 24
      Width = 131
      Height = 26
      Caption = 'PCB Design Rules'
      TabOrder = 0
    end
    // outside reference pages
    object Button6: TButton
      Left = 16
      Top = 56
      Width = 131
      Height = 26
      Caption = 'SI Prefixes'
      Hint = 'Click for internet resource.'
      TabOrder = 1
      OnClick = Button6Click
    end
    object Button12: TButton
      Left = 16
      Top = 88
      Width = 131
      Height = 26
      Caption = 'dBm Chart'
      Hint = 'Click for internet resource.'
      TabOrder = 2
      OnClick = Button12Click
    end
    object Button13: TButton
      Left = 16
      Top = 120
      Width = 131
      Height = 26
      Caption = 'Ohms Law'
      Hint = 'Click for internet resource.'
      TabOrder = 3
      OnClick = Button13Click
    end
    object Button14: TButton
      Left = 16
      Top = 152
      Width = 131
      Height = 26
      Caption = 'Capacitor uF-nF-pF'
      Hint = 'Click for internet resource.'
      TabOrder = 4
      OnClick = Button14Click
    end
    object Button19: TButton
      Left = 16
      Top = 184
      Width = 131
      Height = 26
      Caption = 'Resistor calculator'
      Hint = 'Click for internet resource.'
      TabOrder = 5
      OnClick = Button19Click
    end
  end
  // temperature
  object GroupBox18: TGroupBox
    Left = 16
    Top = 152
    Width = 522
    Height = 64
    Caption = ' Temperature Conversion '
    TabOrder = 2
    object Label1042: TLabel
      Left = 16
      Top = 27
      Width = 72
      Height = 16
      Caption = 'Input'
    end
    // temperature to convert
    object Edit85: TEdit
      OnKeyDown = Edit85KeyDown
      OnKeyPress = Edit85KeyPress
      Left = 96
      Top = 24
      Width = 80
      Height = 22
      Text = '72'
      Hint = 'Enter the temperature to be converted.'
      TabOrder = 0
    end
    object Edit86: TEdit
      Left = 180
      Top = 24
      Width = 48
      Height = 22
      Text = #176'F'
      ReadOnly = True
      TabStop = False
      TabOrder = 1
    end
    object Label1043: TLabel
      Left = 252
      Top = 27
      Width = 84
      Height = 16
      Caption = 'Output'
    end
    // converted temperature
    object Edit84: TEdit
      Left = 344
      Top = 24
      Width = 110
      Height = 22
      Text = ''
      Hint = 'Converted temperature.'
      ReadOnly = True
      Enabled = False
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 2
    end
    object Edit87: TEdit
      Left = 458
      Top = 24
      Width = 48
      Height = 22
      Text = #176'C'
      ReadOnly = True
      TabStop = False
      TabOrder = 3
    end
  end
  // decibels and levels
  object GroupBox35: TGroupBox
    Left = 16
    Top = 224
    Width = 522
    Height = 148
    Caption = ' dB to Voltage Gain Conversion '
    TabOrder = 3
    object Label1044: TLabel
      Left = 16
      Top = 27
      Width = 72
      Height = 16
      Caption = 'Gain in dB'
    end
    // gain, dB
    object Edit167: TEdit
      OnKeyDown = Edit167KeyDown
      OnKeyPress = Edit167KeyPress
      Left = 96
      Top = 24
      Width = 80
      Height = 22
      Text = '23'
      Hint = 'Enter the dB gain to be converted.'
      TabOrder = 0
    end
    object Edit1040: TEdit
      Left = 180
      Top = 24
      Width = 48
      Height = 22
      Text = 'dB'
      ReadOnly = True
      TabStop = False
      TabOrder = 1
    end
    object Label1045: TLabel
      Left = 252
      Top = 27
      Width = 84
      Height = 16
      Caption = 'Voltage Gain'
    end
    // voltage gain
    object Edit166: TEdit
      Left = 344
      Top = 24
      Width = 110
      Height = 22
      Text = '0'
      Hint = 'Converted dB gain.'
      ReadOnly = True
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 2
    end
    object Label1046: TLabel
      Left = 16
      Top = 55
      Width = 72
      Height = 16
      Caption = 'dBm In'
    end
    // level in, dBm
    object Edit174: TEdit
      OnKeyDown = Edit174KeyDown
      OnKeyPress = Edit174KeyPress
      Left = 96
      Top = 52
      Width = 80
      Height = 22
      Text = '-60'
      Hint = 'Enter the dBm level to be converted.'
      TabOrder = 3
    end
    object Edit1041: TEdit
      Left = 180
      Top = 52
      Width = 48
      Height = 22
      Text = 'dBm'
      ReadOnly = True
      TabStop = False
      TabOrder = 4
    end
    object Label1047: TLabel
      Left = 16
      Top = 83
      Width = 72
      Height = 16
      Caption = 'Attenuator'
    end
    // attenuator, dB
    object Edit402: TEdit
      OnKeyDown = Edit402KeyDown
      OnKeyPress = Edit402KeyPress
      Left = 96
      Top = 80
      Width = 80
      Height = 22
      Text = '10'
      Hint = 'Enter the value of the attenuator, if any.'
      TabOrder = 5
    end
    object Edit1042: TEdit
      Left = 180
      Top = 80
      Width = 48
      Height = 22
      Text = 'dB'
      ReadOnly = True
      TabStop = False
      TabOrder = 6
    end
    object Label1048: TLabel
      Left = 252
      Top = 83
      Width = 84
      Height = 16
      Caption = 'dBm Out'
    end
    // level out, dBm
    object Edit175: TEdit
      Left = 344
      Top = 80
      Width = 110
      Height = 22
      Text = '0'
      Hint = 'dBm output level based on inputs.'
      ReadOnly = True
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 7
    end
    object Edit1043: TEdit
      Left = 458
      Top = 80
      Width = 48
      Height = 22
      Text = 'dBm'
      ReadOnly = True
      TabStop = False
      TabOrder = 8
    end
    object Label1049: TLabel
      Left = 16
      Top = 111
      Width = 72
      Height = 16
      Caption = 'Volts In'
    end
    // volts in
    object Edit176: TEdit
      OnKeyDown = Edit174KeyDown
      OnKeyPress = Edit176KeyPress
      Left = 96
      Top = 108
      Width = 80
      Height = 22
      Text = '1'
      Hint = 'Enter the voltage value to be converted.'
      TabOrder = 9
    end
    object Edit1044: TEdit
      Left = 180
      Top = 108
      Width = 48
      Height = 22
      Text = 'V'
      ReadOnly = True
      TabStop = False
      TabOrder = 10
    end
    object Label1050: TLabel
      Left = 252
      Top = 111
      Width = 84
      Height = 16
      Caption = 'Volts Out'
    end
    // volts out
    object Edit177: TEdit
      Left = 344
      Top = 108
      Width = 110
      Height = 22
      Text = '0'
      Hint = 'Voltage output level based on inputs.'
      ReadOnly = True
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 11
    end
    object Edit1045: TEdit
      Left = 458
      Top = 108
      Width = 48
      Height = 22
      Text = 'V'
      ReadOnly = True
      TabStop = False
      TabOrder = 12
    end
  end
  // rectangular and polar
  object GroupBox21: TGroupBox
    Left = 16
    Top = 380
    Width = 522
    Height = 156
    Caption = ' Rectangular to Polar Conversion '
    TabOrder = 4
    object Label178: TLabel
      Left = 16
      Top = 24
      Width = 112
      Height = 16
      Caption = 'Real Value'
    end
    object Edit215: TEdit
      OnKeyDown = Edit215KeyDown
      OnKeyPress = Edit215KeyPress
      Left = 16
      Top = 42
      Width = 96
      Height = 22
      Text = '50'
      Hint = 'Enter the real value of the complex number.'
      TabOrder = 0
    end
    object Label180: TLabel
      Left = 344
      Top = 24
      Width = 112
      Height = 16
      Caption = 'Magnitude'
    end
    object Edit217: TEdit
      Left = 344
      Top = 42
      Width = 110
      Height = 22
      Text = ''
      Hint = 'Converted magnitude in Polar form.'
      ReadOnly = True
      Enabled = False
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 1
    end
    object Label179: TLabel
      Left = 16
      Top = 72
      Width = 112
      Height = 16
      Caption = 'j Value'
    end
    object Edit216: TEdit
      OnKeyDown = Edit216KeyDown
      OnKeyPress = Edit216KeyPress
      Left = 16
      Top = 90
      Width = 96
      Height = 22
      Text = '0'
      Hint = 'Enter the j vlaue of the complex number.'
      TabOrder = 2
    end
    object Label181: TLabel
      Left = 344
      Top = 72
      Width = 112
      Height = 16
      Caption = 'Angle (Degrees)'
    end
    object Edit218: TEdit
      Left = 344
      Top = 90
      Width = 110
      Height = 22
      Text = ''
      Hint = 'Converted angle, in degrees, in Polar form.'
      ReadOnly = True
      Enabled = False
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 3
    end
    // polar to rectangular when checked
    object CheckBox3: TCheckBox
      OnClick = CheckBox3Click
      Left = 16
      Top = 122
      Width = 72
      Height = 20
      Caption = 'swap'
      TabOrder = 4
    end
    // "Send"
    object BitBtn4: TBitBtn
      OnClick = BitBtn4Click
      Left = 382
      Top = 120
      Width = 72
      Height = 24
      Caption = 'Send'
      Hint = 'Send angular result to Radians to Degrees converter.'
      TabOrder = 5
    end
  end
  // degrees and radians
  object GroupBox40: TGroupBox
    Left = 546
    Top = 380
    Width = 163
    Height = 156
    Caption = ' Angular Conversion '
    TabOrder = 5
    object Label184: TLabel
      Left = 16
      Top = 24
      Width = 112
      Height = 16
      Caption = 'Degrees'
    end
    object Edit219: TEdit
      OnKeyDown = Edit219KeyDown
      OnKeyPress = Edit219KeyPress
      Left = 16
      Top = 42
      Width = 96
      Height = 22
      Text = '1'
      Hint = 'Enter the degrees value to be converted to radians.'
      TabOrder = 0
    end
    object Label185: TLabel
      Left = 16
      Top = 72
      Width = 112
      Height = 16
      Caption = 'Radians'
    end
    object Edit220: TEdit
      Left = 16
      Top = 90
      Width = 110
      Height = 22
      Text = ''
      Hint = 'Converted angle in radians from degrees.'
      ReadOnly = True
      Enabled = False
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 1
    end
    // radians to degrees when checked
    object CheckBox2: TCheckBox
      OnClick = CheckBox2Click
      Left = 16
      Top = 122
      Width = 72
      Height = 20
      Caption = 'swap'
      TabOrder = 2
    end
  end
end

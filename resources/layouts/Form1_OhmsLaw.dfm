object GroupBox47: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Ohm''s Law '
  object GroupBox49: TGroupBox
    Left = 16
    Top = 24
    Width = 693
    Height = 216
    Caption = '  E - I - R  '
    TabOrder = 0
    object Image58: TImage
      Left = 16
      Top = 24
      Width = 184
      Height = 184
      Picture = 'circ_ohms_wheel'
      Stretch = True
      Proportional = True
    end
    object RadioGroup13: TRadioGroup
      Left = 216
      Top = 24
      Width = 88
      Height = 104
      Caption = '  Solve For  '
      Hint = 'Select the parameter to solve for.'
      Items.Strings = (
        'Volts'
        'Amps'
        'Ohms')
      ItemIndex = 0
      TabOrder = 0
      OnClick = RadioGroup13Click
    end
    object Label307: TLabel
      Left = 312
      Top = 35
      Width = 64
      Height = 15
      Caption = 'Amps'
    end
    object Edit245: TEdit
      OnKeyDown = Edit245KeyDown
      OnKeyPress = Edit245KeyPress
      Left = 386
      Top = 32
      Width = 96
      Height = 22
      Text = '1'
      Hint = 'Enter the amperage.'
      TabOrder = 1
    end
    object Edit248: TEdit
      Left = 486
      Top = 32
      Width = 48
      Height = 22
      Text = 'Amps'
      ReadOnly = True
      TabStop = False
    end
    object Label308: TLabel
      Left = 312
      Top = 63
      Width = 64
      Height = 15
      Caption = 'Ohms'
    end
    object Edit246: TEdit
      OnKeyDown = Edit246KeyDown
      OnKeyPress = Edit246KeyPress
      Left = 386
      Top = 60
      Width = 96
      Height = 22
      Text = '12'
      Hint = 'Enter the resistance.'
      TabOrder = 2
    end
    object Edit247: TEdit
      Left = 486
      Top = 60
      Width = 48
      Height = 22
      Text = 'Ohms'
      ReadOnly = True
      TabStop = False
    end
    object Label306: TLabel
      Left = 312
      Top = 103
      Width = 64
      Height = 15
      Caption = 'Volts'
    end
    object Edit244: TEdit
      OnKeyDown = Edit244KeyDown
      Left = 386
      Top = 100
      Width = 96
      Height = 22
      Text = '12'
      Hint = 'Calculated voltage based on inputs.'
      ReadOnly = True
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 3
    end
    object Edit249: TEdit
      Left = 492
      Top = 100
      Width = 48
      Height = 22
      Text = 'Volts'
      ReadOnly = True
      TabStop = False
    end
    object Label309: TLabel
      Left = 312
      Top = 131
      Width = 64
      Height = 15
      Caption = 'Wattage'
    end
    object Edit250: TEdit
      Left = 386
      Top = 128
      Width = 96
      Height = 22
      Text = ''
      Hint = 'Calculated wattgae based on inputs.'
      ReadOnly = True
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 4
    end
    object Edit251: TEdit
      Left = 486
      Top = 128
      Width = 48
      Height = 22
      Text = 'Watts'
      ReadOnly = True
      TabStop = False
    end
  end
  object TabControl3: TTabControl
    Left = 16
    Top = 248
    Width = 693
    Height = 288
    Tabs.Strings = (
      'LED Bias'
      'R Series'
      'R Parallel'
      'PI Pad'
      'T Pad'
      'C Series'
      'C Parallel'
      'L Series'
      'L Parallel')
    TabIndex = 0
    TabOrder = 1
    OnChange = TabControl3Change
    object Panel17: TPanel
      Left = 4
      Top = 28
      Width = 685
      Height = 256
      TabOrder = 0
      object Label302: TLabel
        Left = 8
        Top = 22
        Width = 64
        Height = 15
        Caption = '+V Value'
      end
      object Label303: TLabel
        Left = 152
        Top = 22
        Width = 94
        Height = 15
        Caption = 'Resistor Value'
      end
      object Edit236: TEdit
        OnKeyDown = Edit236KeyDown
        OnKeyPress = Edit236KeyPress
        Left = 8
        Top = 40
        Width = 74
        Height = 22
        Text = '12'
        Hint = 'Enter the applied voltage.'
        TabOrder = 0
      end
      object Edit241: TEdit
        Left = 86
        Top = 40
        Width = 57
        Height = 22
        Text = 'Volts'
        ReadOnly = True
        TabStop = False
      end
      object Edit237: TEdit
        Left = 152
        Top = 40
        Width = 106
        Height = 22
        Text = ''
        Hint = 'Calculated resistor value based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 1
      end
      object Edit240: TEdit
        Left = 262
        Top = 40
        Width = 57
        Height = 22
        Text = 'Ohms'
        ReadOnly = True
        TabStop = False
      end
      object Label304: TLabel
        Left = 8
        Top = 78
        Width = 114
        Height = 15
        Caption = 'LED Voltage Drop'
      end
      object Label341: TLabel
        Left = 152
        Top = 78
        Width = 168
        Height = 15
        Caption = 'Resistor Power Dissipation'
      end
      object Edit238: TEdit
        OnKeyDown = Edit238KeyDown
        OnKeyPress = Edit238KeyPress
        Left = 8
        Top = 96
        Width = 74
        Height = 22
        Text = '2'
        Hint = 'Enter the LED forward voltage drop.'
        TabOrder = 2
      end
      object Edit242: TEdit
        Left = 86
        Top = 96
        Width = 57
        Height = 22
        Text = 'Volts'
        ReadOnly = True
        TabStop = False
      end
      object Edit299: TEdit
        Left = 152
        Top = 96
        Width = 106
        Height = 22
        Text = ''
        Hint = 'Calculated resistor wattage dissipation based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 3
      end
      object Edit300: TEdit
        Left = 262
        Top = 96
        Width = 57
        Height = 22
        Text = 'Watts'
        ReadOnly = True
        TabStop = False
      end
      object Label305: TLabel
        Left = 8
        Top = 134
        Width = 94
        Height = 15
        Caption = 'LED Current'
      end
      object Edit239: TEdit
        OnKeyDown = Edit239KeyDown
        OnKeyPress = Edit239KeyPress
        Left = 8
        Top = 152
        Width = 74
        Height = 22
        Text = '10'
        Hint = 'Enter the desired LED current.'
        TabOrder = 4
      end
      object Edit243: TEdit
        Left = 106
        Top = 152
        Width = 33
        Height = 22
        Text = 'mA'
        ReadOnly = True
        TabStop = False
      end
      object CheckBox6: TCheckBox
        Left = 8
        Top = 192
        Width = 176
        Height = 22
        Caption = 'Solve for LED Current'
        Hint = 'Toggle between solving for LED resistor value and LED current.'
        TabOrder = 5
        OnClick = CheckBox6Click
      end
      object Image59: TImage
        Left = 344
        Top = 16
        Width = 328
        Height = 224
        Picture = 'circ_led_circuit'
        Stretch = True
        Proportional = True
      end
    end
    object Panel15: TPanel
      Left = 4
      Top = 28
      Width = 685
      Height = 256
      Visible = False
      TabOrder = 1
      object RadioGroup16: TRadioGroup
        Left = 8
        Top = 8
        Width = 176
        Height = 48
        Caption = ' R Count '
        Columns = 3
        Hint = 'Select the number of series resistors.'
        Items.Strings = (
          '2'
          '3'
          '4')
        ItemIndex = 0
        TabOrder = 0
        OnClick = RadioGroup16Click
      end
      object Label310: TLabel
        Left = 8
        Top = 75
        Width = 56
        Height = 15
        Caption = 'Voltage'
      end
      object Edit252: TEdit
        OnKeyDown = Edit252KeyDown
        OnKeyPress = Edit252KeyPress
        Left = 72
        Top = 72
        Width = 80
        Height = 22
        Text = '5'
        Hint = 'Enter the applied voltage.'
        TabOrder = 1
      end
      object Edit261: TEdit
        Left = 156
        Top = 72
        Width = 48
        Height = 22
        Text = 'Volts'
        ReadOnly = True
        TabStop = False
      end
      object Label311: TLabel
        Left = 8
        Top = 115
        Width = 24
        Height = 15
        Caption = 'R1'
      end
      object Edit253: TEdit
        OnKeyDown = Edit253KeyDown
        OnKeyPress = Edit253KeyPress
        Left = 72
        Top = 112
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of R1.'
        TabOrder = 2
      end
      object Edit260: TEdit
        Left = 156
        Top = 112
        Width = 48
        Height = 22
        Text = 'Ohms'
        ReadOnly = True
        TabStop = False
      end
      object Label315: TLabel
        Left = 240
        Top = 115
        Width = 24
        Height = 15
        Caption = 'R1'
      end
      object Edit262: TEdit
        Left = 272
        Top = 112
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated voltage drop across R1.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 3
      end
      object Edit266: TEdit
        Left = 386
        Top = 112
        Width = 48
        Height = 22
        Text = 'V'
        ReadOnly = True
        TabStop = False
      end
      object Edit301: TEdit
        Left = 448
        Top = 112
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated resistor wattage dissipation based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 4
      end
      object Edit305: TEdit
        Left = 562
        Top = 112
        Width = 48
        Height = 22
        Text = 'W'
        ReadOnly = True
        TabStop = False
      end
      object Label312: TLabel
        Left = 8
        Top = 143
        Width = 24
        Height = 15
        Caption = 'R2'
      end
      object Edit254: TEdit
        OnKeyDown = Edit254KeyDown
        OnKeyPress = Edit254KeyPress
        Left = 72
        Top = 140
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of R2.'
        TabOrder = 5
      end
      object Edit259: TEdit
        Left = 156
        Top = 140
        Width = 48
        Height = 22
        Text = 'Ohms'
        ReadOnly = True
        TabStop = False
      end
      object Label316: TLabel
        Left = 240
        Top = 143
        Width = 24
        Height = 15
        Caption = 'R2'
      end
      object Edit263: TEdit
        Left = 272
        Top = 140
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated voltage drop across R2.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 6
      end
      object Edit267: TEdit
        Left = 386
        Top = 140
        Width = 48
        Height = 22
        Text = 'V'
        ReadOnly = True
        TabStop = False
      end
      object Edit302: TEdit
        Left = 448
        Top = 140
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated resistor wattage dissipation based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 7
      end
      object Edit306: TEdit
        Left = 562
        Top = 140
        Width = 48
        Height = 22
        Text = 'W'
        ReadOnly = True
        TabStop = False
      end
      object Label313: TLabel
        Left = 8
        Top = 171
        Width = 24
        Height = 15
        Caption = 'R3'
        Visible = False
      end
      object Edit255: TEdit
        OnKeyDown = Edit255KeyDown
        OnKeyPress = Edit255KeyPress
        Left = 72
        Top = 168
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of R3.'
        Visible = False
        TabOrder = 8
      end
      object Edit258: TEdit
        Left = 156
        Top = 168
        Width = 48
        Height = 22
        Text = 'Ohms'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
      object Label317: TLabel
        Left = 240
        Top = 171
        Width = 24
        Height = 15
        Caption = 'R3'
        Visible = False
      end
      object Edit264: TEdit
        Left = 272
        Top = 168
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated voltage drop across R3.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        Visible = False
        TabOrder = 9
      end
      object Edit268: TEdit
        Left = 386
        Top = 168
        Width = 48
        Height = 22
        Text = 'V'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
      object Edit303: TEdit
        Left = 448
        Top = 168
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated resistor wattage dissipation based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        Visible = False
        TabOrder = 10
      end
      object Edit307: TEdit
        Left = 562
        Top = 168
        Width = 48
        Height = 22
        Text = 'W'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
      object Label314: TLabel
        Left = 8
        Top = 199
        Width = 26
        Height = 15
        Caption = 'R4'
        Visible = False
      end
      object Edit256: TEdit
        OnKeyDown = Edit256KeyDown
        OnKeyPress = Edit256KeyPress
        Left = 72
        Top = 196
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of R4.'
        Visible = False
        TabOrder = 11
      end
      object Edit257: TEdit
        Left = 156
        Top = 196
        Width = 48
        Height = 22
        Text = 'Ohms'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
      object Label318: TLabel
        Left = 240
        Top = 199
        Width = 26
        Height = 15
        Caption = 'R4'
        Visible = False
      end
      object Edit265: TEdit
        Left = 272
        Top = 196
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated voltage drop across R4.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        Visible = False
        TabOrder = 12
      end
      object Edit269: TEdit
        Left = 386
        Top = 196
        Width = 48
        Height = 22
        Text = 'V'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
      object Edit304: TEdit
        Left = 448
        Top = 196
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated resistor wattage dissipation based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        Visible = False
        TabOrder = 13
      end
      object Edit308: TEdit
        Left = 562
        Top = 196
        Width = 48
        Height = 22
        Text = 'W'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
    end
    object Panel22: TPanel
      Left = 4
      Top = 28
      Width = 685
      Height = 256
      Visible = False
      TabOrder = 2
      object RadioGroup23: TRadioGroup
        Left = 8
        Top = 8
        Width = 176
        Height = 48
        Caption = ' R Count '
        Columns = 3
        Items.Strings = (
          '2'
          '3'
          '4')
        ItemIndex = 0
        TabOrder = 0
        OnClick = RadioGroup23Click
      end
      object Label281: TLabel
        Left = 8
        Top = 75
        Width = 56
        Height = 15
        Caption = 'Voltage'
      end
      object Edit309: TEdit
        OnKeyDown = Edit252KeyDown
        OnKeyPress = Edit309KeyPress
        Left = 72
        Top = 72
        Width = 80
        Height = 22
        Text = '5'
        Hint = 'Enter the applied voltage.'
        TabOrder = 1
      end
      object Edit318: TEdit
        Left = 156
        Top = 72
        Width = 48
        Height = 22
        Text = 'Volts'
        ReadOnly = True
        TabStop = False
      end
      object Label283: TLabel
        Left = 8
        Top = 115
        Width = 24
        Height = 15
        Caption = 'R1'
      end
      object Edit310: TEdit
        OnKeyDown = Edit253KeyDown
        OnKeyPress = Edit310KeyPress
        Left = 72
        Top = 112
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of R1.'
        TabOrder = 2
      end
      object Edit317: TEdit
        Left = 156
        Top = 112
        Width = 48
        Height = 22
        Text = 'Ohms'
        ReadOnly = True
        TabStop = False
      end
      object Label345: TLabel
        Left = 240
        Top = 115
        Width = 24
        Height = 15
        Caption = 'R1'
      end
      object Edit319: TEdit
        Left = 272
        Top = 112
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated amperage through R1.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 3
      end
      object Edit323: TEdit
        Left = 386
        Top = 112
        Width = 48
        Height = 22
        Text = 'A'
        ReadOnly = True
        TabStop = False
      end
      object Edit327: TEdit
        Left = 448
        Top = 112
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated resistor wattage dissipation based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 4
      end
      object Edit331: TEdit
        Left = 562
        Top = 112
        Width = 48
        Height = 22
        Text = 'W'
        ReadOnly = True
        TabStop = False
      end
      object Label342: TLabel
        Left = 8
        Top = 143
        Width = 24
        Height = 15
        Caption = 'R2'
      end
      object Edit311: TEdit
        OnKeyDown = Edit254KeyDown
        OnKeyPress = Edit311KeyPress
        Left = 72
        Top = 140
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of R2.'
        TabOrder = 5
      end
      object Edit316: TEdit
        Left = 156
        Top = 140
        Width = 48
        Height = 22
        Text = 'Ohms'
        ReadOnly = True
        TabStop = False
      end
      object Label346: TLabel
        Left = 240
        Top = 143
        Width = 24
        Height = 15
        Caption = 'R2'
      end
      object Edit320: TEdit
        Left = 272
        Top = 140
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated amperage through R2.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 6
      end
      object Edit324: TEdit
        Left = 386
        Top = 140
        Width = 48
        Height = 22
        Text = 'A'
        ReadOnly = True
        TabStop = False
      end
      object Edit328: TEdit
        Left = 448
        Top = 140
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated resistor wattage dissipation based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 7
      end
      object Edit332: TEdit
        Left = 562
        Top = 140
        Width = 48
        Height = 22
        Text = 'W'
        ReadOnly = True
        TabStop = False
      end
      object Label343: TLabel
        Left = 8
        Top = 171
        Width = 24
        Height = 15
        Caption = 'R3'
        Visible = False
      end
      object Edit312: TEdit
        OnKeyDown = Edit255KeyDown
        OnKeyPress = Edit312KeyPress
        Left = 72
        Top = 168
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of R3.'
        Visible = False
        TabOrder = 8
      end
      object Edit315: TEdit
        Left = 156
        Top = 168
        Width = 48
        Height = 22
        Text = 'Ohms'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
      object Label347: TLabel
        Left = 240
        Top = 171
        Width = 24
        Height = 15
        Caption = 'R3'
        Visible = False
      end
      object Edit321: TEdit
        Left = 272
        Top = 168
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated amperage through R3.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        Visible = False
        TabOrder = 9
      end
      object Edit325: TEdit
        Left = 386
        Top = 168
        Width = 48
        Height = 22
        Text = 'A'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
      object Edit329: TEdit
        Left = 448
        Top = 168
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated resistor wattage dissipation based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        Visible = False
        TabOrder = 10
      end
      object Edit333: TEdit
        Left = 562
        Top = 168
        Width = 48
        Height = 22
        Text = 'W'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
      object Label344: TLabel
        Left = 8
        Top = 199
        Width = 26
        Height = 15
        Caption = 'R4'
        Visible = False
      end
      object Edit313: TEdit
        OnKeyDown = Edit256KeyDown
        OnKeyPress = Edit313KeyPress
        Left = 72
        Top = 196
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of R4.'
        Visible = False
        TabOrder = 11
      end
      object Edit314: TEdit
        Left = 156
        Top = 196
        Width = 48
        Height = 22
        Text = 'Ohms'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
      object Label348: TLabel
        Left = 240
        Top = 199
        Width = 26
        Height = 15
        Caption = 'R4'
        Visible = False
      end
      object Edit322: TEdit
        Left = 272
        Top = 196
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated amperage through R4.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        Visible = False
        TabOrder = 12
      end
      object Edit326: TEdit
        Left = 386
        Top = 196
        Width = 48
        Height = 22
        Text = 'A'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
      object Edit330: TEdit
        Left = 448
        Top = 196
        Width = 110
        Height = 22
        Text = ''
        Hint = 'Calculated resistor wattage dissipation based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        Visible = False
        TabOrder = 13
      end
      object Edit334: TEdit
        Left = 562
        Top = 196
        Width = 48
        Height = 22
        Text = 'W'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
    end
    object Panel20: TPanel
      Left = 4
      Top = 28
      Width = 685
      Height = 256
      Visible = False
      TabOrder = 3
      object Label332: TLabel
        Left = 8
        Top = 22
        Width = 80
        Height = 15
        Caption = 'Attenuation'
      end
      object Label329: TLabel
        Left = 168
        Top = 22
        Width = 24
        Height = 15
        Caption = 'R1'
      end
      object Edit288: TEdit
        OnKeyDown = Edit288KeyDown
        OnKeyPress = Edit288KeyPress
        Left = 8
        Top = 40
        Width = 80
        Height = 22
        Text = '3'
        Hint = 'Enter the attenuation in dB.'
        TabOrder = 0
      end
      object Edit289: TEdit
        Left = 92
        Top = 40
        Width = 48
        Height = 22
        Text = 'dB'
        ReadOnly = True
        TabStop = False
      end
      object Edit283: TEdit
        Left = 168
        Top = 40
        Width = 120
        Height = 22
        Text = ''
        Hint = 'R1 value based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 1
      end
      object Label327: TLabel
        Left = 8
        Top = 78
        Width = 28
        Height = 15
        Caption = 'Zin'
      end
      object Label330: TLabel
        Left = 168
        Top = 78
        Width = 24
        Height = 15
        Caption = 'R2'
      end
      object Edit281: TEdit
        OnKeyDown = Edit281KeyDown
        OnKeyPress = Edit281KeyPress
        Left = 8
        Top = 96
        Width = 80
        Height = 22
        Text = '50'
        Hint = 'Enter the source impedance.'
        TabOrder = 2
      end
      object Edit286: TEdit
        Left = 92
        Top = 96
        Width = 48
        Height = 22
        Text = 'Ohms'
        ReadOnly = True
        TabStop = False
      end
      object Edit284: TEdit
        Left = 168
        Top = 96
        Width = 120
        Height = 22
        Text = ''
        Hint = 'R2 value based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 3
      end
      object Label328: TLabel
        Left = 8
        Top = 134
        Width = 38
        Height = 15
        Caption = 'Zout'
      end
      object Label331: TLabel
        Left = 168
        Top = 134
        Width = 24
        Height = 15
        Caption = 'R3'
      end
      object Edit282: TEdit
        OnKeyDown = Edit282KeyDown
        OnKeyPress = Edit282KeyPress
        Left = 8
        Top = 152
        Width = 80
        Height = 22
        Text = '50'
        Hint = 'Enter the load impedance.'
        TabOrder = 4
      end
      object Edit287: TEdit
        Left = 92
        Top = 152
        Width = 48
        Height = 22
        Text = 'Ohms'
        ReadOnly = True
        TabStop = False
      end
      object Edit285: TEdit
        Left = 168
        Top = 152
        Width = 120
        Height = 22
        Text = ''
        Hint = 'R3 value based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 5
      end
      object Image62: TImage
        Left = 312
        Top = 16
        Width = 360
        Height = 224
        Picture = 'circ_pi_pad'
        Stretch = True
        Proportional = True
      end
    end
    object Panel21: TPanel
      Left = 4
      Top = 28
      Width = 685
      Height = 256
      Visible = False
      TabOrder = 4
      object Label336: TLabel
        Left = 8
        Top = 22
        Width = 80
        Height = 15
        Caption = 'Attenuation'
      end
      object Label335: TLabel
        Left = 168
        Top = 22
        Width = 24
        Height = 15
        Caption = 'R1'
      end
      object Edit290: TEdit
        OnKeyDown = Edit290KeyDown
        OnKeyPress = Edit290KeyPress
        Left = 8
        Top = 40
        Width = 80
        Height = 22
        Text = '3'
        Hint = 'Enter the attenuation in dB.'
        TabOrder = 0
      end
      object Edit291: TEdit
        Left = 92
        Top = 40
        Width = 48
        Height = 22
        Text = 'dB'
        ReadOnly = True
        TabStop = False
      end
      object Edit295: TEdit
        Left = 168
        Top = 40
        Width = 120
        Height = 22
        Text = ''
        Hint = 'R1 value based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 1
      end
      object Label337: TLabel
        Left = 8
        Top = 78
        Width = 28
        Height = 15
        Caption = 'Zin'
      end
      object Label338: TLabel
        Left = 168
        Top = 78
        Width = 24
        Height = 15
        Caption = 'R2'
      end
      object Edit292: TEdit
        OnKeyDown = Edit292KeyDown
        OnKeyPress = Edit292KeyPress
        Left = 8
        Top = 96
        Width = 80
        Height = 22
        Text = '50'
        Hint = 'Enter the source impedance.'
        TabOrder = 2
      end
      object Edit293: TEdit
        Left = 92
        Top = 96
        Width = 48
        Height = 22
        Text = 'Ohms'
        ReadOnly = True
        TabStop = False
      end
      object Edit296: TEdit
        Left = 168
        Top = 96
        Width = 120
        Height = 22
        Text = ''
        Hint = 'R2 value based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 3
      end
      object Label333: TLabel
        Left = 8
        Top = 134
        Width = 38
        Height = 15
        Caption = 'Zout'
      end
      object Label334: TLabel
        Left = 168
        Top = 134
        Width = 24
        Height = 15
        Caption = 'R3'
      end
      object Edit294: TEdit
        OnKeyDown = Edit294KeyDown
        OnKeyPress = Edit294KeyPress
        Left = 8
        Top = 152
        Width = 80
        Height = 22
        Text = '50'
        Hint = 'Enter the load impedance.'
        TabOrder = 4
      end
      object Edit298: TEdit
        Left = 92
        Top = 152
        Width = 48
        Height = 22
        Text = 'Ohms'
        ReadOnly = True
        TabStop = False
      end
      object Edit297: TEdit
        Left = 168
        Top = 152
        Width = 120
        Height = 22
        Text = ''
        Hint = 'R3 value based on inputs.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 5
      end
      object Image63: TImage
        Left = 312
        Top = 16
        Width = 360
        Height = 224
        Picture = 'circ_t_pad'
        Stretch = True
        Proportional = True
      end
    end
    object Panel25: TPanel
      Left = 4
      Top = 28
      Width = 685
      Height = 256
      Visible = False
      TabOrder = 5
      object RadioGroup25: TRadioGroup
        OnClick = RadioGroup25Click
        Left = 8
        Top = 8
        Width = 176
        Height = 48
        Caption = ' C Count '
        Columns = 3
        Hint = 'Select the number of series capacitors.'
        Items.Strings = (
          '2'
          '3'
          '4')
        ItemIndex = 0
        TabOrder = 0
      end
      object RadioGroup26: TRadioGroup
        OnClick = RadioGroup26Click
        Left = 200
        Top = 8
        Width = 176
        Height = 48
        Caption = ' Units '
        Columns = 3
        Hint = 'Select the units of the capacitors.'
        Items.Strings = (
          'uF'
          'nF'
          'pF')
        ItemIndex = 0
        TabOrder = 1
      end
      object Label278: TLabel
        Left = 8
        Top = 75
        Width = 26
        Height = 15
        Caption = 'C1'
      end
      object Edit346: TEdit
        OnKeyDown = Edit346KeyDown
        OnKeyPress = Edit346KeyPress
        Left = 72
        Top = 72
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of C1.'
        TabOrder = 2
      end
      object Edit353: TEdit
        Left = 156
        Top = 72
        Width = 48
        Height = 22
        Text = 'uF'
        ReadOnly = True
        TabStop = False
      end
      object Label941: TLabel
        Left = 240
        Top = 75
        Width = 116
        Height = 15
        Caption = 'Total Capacitance'
      end
      object Edit354: TEdit
        Left = 368
        Top = 72
        Width = 150
        Height = 22
        Text = ''
        Hint = 'Calculated total capacitance.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 3
      end
      object Label282: TLabel
        Left = 8
        Top = 103
        Width = 26
        Height = 15
        Caption = 'C2'
      end
      object Edit347: TEdit
        OnKeyDown = Edit347KeyDown
        OnKeyPress = Edit347KeyPress
        Left = 72
        Top = 100
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of C2.'
        TabOrder = 4
      end
      object Edit352: TEdit
        Left = 156
        Top = 100
        Width = 48
        Height = 22
        Text = 'uF'
        ReadOnly = True
        TabStop = False
      end
      object Label286: TLabel
        Left = 8
        Top = 131
        Width = 26
        Height = 15
        Caption = 'C3'
        Visible = False
      end
      object Edit348: TEdit
        OnKeyDown = Edit348KeyDown
        OnKeyPress = Edit348KeyPress
        Left = 72
        Top = 128
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of C3.'
        Visible = False
        TabOrder = 5
      end
      object Edit351: TEdit
        Left = 156
        Top = 128
        Width = 48
        Height = 22
        Text = 'uF'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
      object Label297: TLabel
        Left = 8
        Top = 159
        Width = 26
        Height = 15
        Caption = 'C4'
        Visible = False
      end
      object Edit349: TEdit
        OnKeyDown = Edit349KeyDown
        OnKeyPress = Edit349KeyPress
        Left = 72
        Top = 156
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of C4.'
        Visible = False
        TabOrder = 6
      end
      object Edit350: TEdit
        Left = 156
        Top = 156
        Width = 48
        Height = 22
        Text = 'uF'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
    end
    object Panel27: TPanel
      Left = 4
      Top = 28
      Width = 685
      Height = 256
      Visible = False
      TabOrder = 6
      object RadioGroup27: TRadioGroup
        OnClick = RadioGroup27Click
        Left = 8
        Top = 8
        Width = 176
        Height = 48
        Caption = ' C Count '
        Columns = 3
        Hint = 'Select the number of parallel capacitors.'
        Items.Strings = (
          '2'
          '3'
          '4')
        ItemIndex = 0
        TabOrder = 0
      end
      object RadioGroup28: TRadioGroup
        OnClick = RadioGroup28Click
        Left = 200
        Top = 8
        Width = 176
        Height = 48
        Caption = ' Units '
        Columns = 3
        Hint = 'Select the units of the capacitors.'
        Items.Strings = (
          'uF'
          'nF'
          'pF')
        ItemIndex = 0
        TabOrder = 1
      end
      object Label364: TLabel
        Left = 8
        Top = 75
        Width = 26
        Height = 15
        Caption = 'C1'
      end
      object Edit356: TEdit
        OnKeyDown = Edit356KeyDown
        OnKeyPress = Edit356KeyPress
        Left = 72
        Top = 72
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of C1.'
        TabOrder = 2
      end
      object Edit363: TEdit
        Left = 156
        Top = 72
        Width = 48
        Height = 22
        Text = 'uF'
        ReadOnly = True
        TabStop = False
      end
      object Label942: TLabel
        Left = 240
        Top = 75
        Width = 116
        Height = 15
        Caption = 'Total Capacitance'
      end
      object Edit364: TEdit
        Left = 368
        Top = 72
        Width = 150
        Height = 22
        Text = ''
        Hint = 'Calculated total capacitance.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 3
      end
      object Label365: TLabel
        Left = 8
        Top = 103
        Width = 26
        Height = 15
        Caption = 'C2'
      end
      object Edit357: TEdit
        OnKeyDown = Edit357KeyDown
        OnKeyPress = Edit357KeyPress
        Left = 72
        Top = 100
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of C2.'
        TabOrder = 4
      end
      object Edit362: TEdit
        Left = 156
        Top = 100
        Width = 48
        Height = 22
        Text = 'uF'
        ReadOnly = True
        TabStop = False
      end
      object Label366: TLabel
        Left = 8
        Top = 131
        Width = 26
        Height = 15
        Caption = 'C3'
        Visible = False
      end
      object Edit358: TEdit
        OnKeyDown = Edit358KeyDown
        OnKeyPress = Edit358KeyPress
        Left = 72
        Top = 128
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of C3.'
        Visible = False
        TabOrder = 5
      end
      object Edit361: TEdit
        Left = 156
        Top = 128
        Width = 48
        Height = 22
        Text = 'uF'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
      object Label367: TLabel
        Left = 8
        Top = 159
        Width = 26
        Height = 15
        Caption = 'C4'
        Visible = False
      end
      object Edit359: TEdit
        OnKeyDown = Edit359KeyDown
        OnKeyPress = Edit359KeyPress
        Left = 72
        Top = 156
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of C4.'
        Visible = False
        TabOrder = 6
      end
      object Edit360: TEdit
        Left = 156
        Top = 156
        Width = 48
        Height = 22
        Text = 'uF'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
    end
    object Panel29: TPanel
      Left = 4
      Top = 28
      Width = 685
      Height = 256
      Visible = False
      TabOrder = 7
      object RadioGroup29: TRadioGroup
        OnClick = RadioGroup29Click
        Left = 8
        Top = 8
        Width = 176
        Height = 48
        Caption = ' L Count '
        Columns = 3
        Hint = 'Select the number of series inductors.'
        Items.Strings = (
          '2'
          '3'
          '4')
        ItemIndex = 0
        TabOrder = 0
      end
      object RadioGroup30: TRadioGroup
        OnClick = RadioGroup30Click
        Left = 200
        Top = 8
        Width = 176
        Height = 48
        Caption = ' Units '
        Columns = 3
        Hint = 'Select the units of the inductors.'
        Items.Strings = (
          'mH'
          'uH'
          'nH')
        ItemIndex = 0
        TabOrder = 1
      end
      object Label369: TLabel
        Left = 8
        Top = 75
        Width = 24
        Height = 15
        Caption = 'L1'
      end
      object Edit366: TEdit
        OnKeyDown = Edit366KeyDown
        OnKeyPress = Edit366KeyPress
        Left = 72
        Top = 72
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of L1.'
        TabOrder = 2
      end
      object Edit373: TEdit
        Left = 156
        Top = 72
        Width = 48
        Height = 22
        Text = 'mH'
        ReadOnly = True
        TabStop = False
      end
      object Label943: TLabel
        Left = 240
        Top = 75
        Width = 108
        Height = 15
        Caption = 'Total Inductance'
      end
      object Edit374: TEdit
        Left = 368
        Top = 72
        Width = 150
        Height = 22
        Text = ''
        Hint = 'Calculated total inductance.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 3
      end
      object Label370: TLabel
        Left = 8
        Top = 103
        Width = 22
        Height = 15
        Caption = 'L2'
      end
      object Edit367: TEdit
        OnKeyDown = Edit367KeyDown
        OnKeyPress = Edit367KeyPress
        Left = 72
        Top = 100
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of L2.'
        TabOrder = 4
      end
      object Edit372: TEdit
        Left = 156
        Top = 100
        Width = 48
        Height = 22
        Text = 'mH'
        ReadOnly = True
        TabStop = False
      end
      object Label371: TLabel
        Left = 8
        Top = 131
        Width = 24
        Height = 15
        Caption = 'L3'
        Visible = False
      end
      object Edit368: TEdit
        OnKeyDown = Edit368KeyDown
        OnKeyPress = Edit368KeyPress
        Left = 72
        Top = 128
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of L3.'
        Visible = False
        TabOrder = 5
      end
      object Edit371: TEdit
        Left = 156
        Top = 128
        Width = 48
        Height = 22
        Text = 'mH'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
      object Label372: TLabel
        Left = 8
        Top = 159
        Width = 24
        Height = 15
        Caption = 'L4'
        Visible = False
      end
      object Edit369: TEdit
        OnKeyDown = Edit369KeyDown
        OnKeyPress = Edit369KeyPress
        Left = 72
        Top = 156
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of L4.'
        Visible = False
        TabOrder = 6
      end
      object Edit370: TEdit
        Left = 156
        Top = 156
        Width = 48
        Height = 22
        Text = 'mH'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
    end
    object Panel31: TPanel
      Left = 4
      Top = 28
      Width = 685
      Height = 256
      Visible = False
      TabOrder = 8
      object RadioGroup31: TRadioGroup
        OnClick = RadioGroup31Click
        Left = 8
        Top = 8
        Width = 176
        Height = 48
        Caption = ' L Count '
        Columns = 3
        Hint = 'Select the number of parallel inductors.'
        Items.Strings = (
          '2'
          '3'
          '4')
        ItemIndex = 0
        TabOrder = 0
      end
      object RadioGroup32: TRadioGroup
        OnClick = RadioGroup32Click
        Left = 200
        Top = 8
        Width = 176
        Height = 48
        Caption = ' Units '
        Columns = 3
        Hint = 'Select the units of the inductors.'
        Items.Strings = (
          'mH'
          'uH'
          'nH')
        ItemIndex = 0
        TabOrder = 1
      end
      object Label374: TLabel
        Left = 8
        Top = 75
        Width = 24
        Height = 15
        Caption = 'L1'
      end
      object Edit376: TEdit
        OnKeyDown = Edit376KeyDown
        OnKeyPress = Edit376KeyPress
        Left = 72
        Top = 72
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of L1.'
        TabOrder = 2
      end
      object Edit383: TEdit
        Left = 156
        Top = 72
        Width = 48
        Height = 22
        Text = 'mH'
        ReadOnly = True
        TabStop = False
      end
      object Label944: TLabel
        Left = 240
        Top = 75
        Width = 108
        Height = 15
        Caption = 'Total Inductance'
      end
      object Edit384: TEdit
        Left = 368
        Top = 72
        Width = 150
        Height = 22
        Text = ''
        Hint = 'Calculated total inductance.'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 3
      end
      object Label375: TLabel
        Left = 8
        Top = 103
        Width = 22
        Height = 15
        Caption = 'L2'
      end
      object Edit377: TEdit
        OnKeyDown = Edit377KeyDown
        OnKeyPress = Edit377KeyPress
        Left = 72
        Top = 100
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of L2.'
        TabOrder = 4
      end
      object Edit382: TEdit
        Left = 156
        Top = 100
        Width = 48
        Height = 22
        Text = 'mH'
        ReadOnly = True
        TabStop = False
      end
      object Label376: TLabel
        Left = 8
        Top = 131
        Width = 24
        Height = 15
        Caption = 'L3'
        Visible = False
      end
      object Edit378: TEdit
        OnKeyDown = Edit378KeyDown
        OnKeyPress = Edit378KeyPress
        Left = 72
        Top = 128
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of L3.'
        Visible = False
        TabOrder = 5
      end
      object Edit381: TEdit
        Left = 156
        Top = 128
        Width = 48
        Height = 22
        Text = 'mH'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
      object Label377: TLabel
        Left = 8
        Top = 159
        Width = 24
        Height = 15
        Caption = 'L4'
        Visible = False
      end
      object Edit379: TEdit
        OnKeyDown = Edit379KeyDown
        OnKeyPress = Edit379KeyPress
        Left = 72
        Top = 156
        Width = 80
        Height = 22
        Text = '330'
        Hint = 'Enter the value of L4.'
        Visible = False
        TabOrder = 6
      end
      object Edit380: TEdit
        Left = 156
        Top = 156
        Width = 48
        Height = 22
        Text = 'mH'
        ReadOnly = True
        TabStop = False
        Visible = False
      end
    end
  end
end

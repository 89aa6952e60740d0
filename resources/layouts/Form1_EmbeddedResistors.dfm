object GroupBox34: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = '  PTF Embedded Resistors  '
  object RadioGroup11: TRadioGroup
    OnClick = RadioGroup11Click
    Left = 16
    Top = 24
    Width = 224
    Height = 96
    Caption = ' PTF Embedded Type  '
    Hint = 'Select the type of embedded resistor.'
    Items.Strings = (
      'Additive screened process'
      'Subtractive copper nickel'
      'Embedded Annular Resistor')
    ItemIndex = 0
    TabOrder = 0
  end
  object Label250: TLabel
    Left = 16
    Top = 136
    Width = 126
    Height = 15
    Caption = 'Resistance/Sq. Inch'
  end
  object Label253: TLabel
    Left = 216
    Top = 136
    Width = 88
    Height = 15
    Caption = 'Resistor Area'
  end
  object Edit154: TEdit
    OnKeyDown = Edit154KeyDown
    OnKeyPress = Edit154KeyPress
    Left = 16
    Top = 154
    Width = 104
    Height = 22
    Text = '25'
    Hint = 'Enter the resistive value of the material per square inch.'
    TabOrder = 1
  end
  object Edit161: TEdit
    Left = 216
    Top = 154
    Width = 150
    Height = 22
    Text = ''
    Hint = 'Total embedded resistor area.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 2
  end
  object Label251: TLabel
    Left = 16
    Top = 192
    Width = 106
    Height = 15
    Caption = 'Length (L)'
  end
  object Label254: TLabel
    Left = 216
    Top = 192
    Width = 120
    Height = 15
    Caption = 'Power'
    Visible = False
  end
  object Edit157: TEdit
    OnKeyDown = Edit157KeyDown
    OnKeyPress = Edit157KeyPress
    Left = 16
    Top = 210
    Width = 104
    Height = 22
    Text = '100'
    Hint = 'Enter the length of the resistive material.'
    TabOrder = 3
  end
  object Edit164: TEdit
    Left = 140
    Top = 210
    Width = 37
    Height = 22
    Text = 'mils'
    ReadOnly = True
    TabStop = False
  end
  object Edit162: TEdit
    Left = 216
    Top = 210
    Width = 150
    Height = 22
    Text = ''
    Hint = 'Power dissipation of embedded resistor.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    Visible = False
    TabOrder = 4
  end
  object Label252: TLabel
    Left = 16
    Top = 248
    Width = 116
    Height = 15
    Caption = 'Width (W)'
  end
  object Label255: TLabel
    Left = 216
    Top = 248
    Width = 104
    Height = 15
    Caption = 'Ohms'
  end
  object Edit158: TEdit
    OnKeyDown = Edit158KeyDown
    OnKeyPress = Edit158KeyPress
    Left = 16
    Top = 266
    Width = 104
    Height = 22
    Text = '50'
    Hint = 'Enter the width of the resistive material.'
    TabOrder = 5
  end
  object Edit165: TEdit
    Left = 140
    Top = 266
    Width = 37
    Height = 22
    Text = 'mils'
    ReadOnly = True
    TabStop = False
  end
  object Edit163: TEdit
    Left = 216
    Top = 266
    Width = 150
    Height = 22
    Text = ''
    Hint = 'Resistance value per given dimensions.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 6
  end
  object Label940: TLabel
    Left = 16
    Top = 312
    Width = 384
    Height = 15
    Caption = 'Refer to IPC-2316 for more information on embedded resistors'
  end
  // legend: copper contact area
  object Shape700: TShape
    Left = 432
    Top = 32
    Width = 48
    Height = 28
    Brush.Color = $00D74200
    Pen.Color = $00555555
  end
  object Label247: TLabel
    Left = 488
    Top = 40
    Width = 132
    Height = 15
    Caption = 'Copper contact area'
  end
  // legend: overlap area
  object Shape701: TShape
    Left = 432
    Top = 64
    Width = 48
    Height = 28
    Brush.Color = $00577AB9
    Pen.Color = $00555555
  end
  object Label248: TLabel
    Left = 488
    Top = 72
    Width = 158
    Height = 15
    Caption = 'Material overlap area'
  end
  // legend: resistor
  object Shape702: TShape
    Left = 432
    Top = 96
    Width = 48
    Height = 28
    Brush.Color = $00C3C3C3
    Pen.Color = $00555555
  end
  object Label249: TLabel
    Left = 488
    Top = 104
    Width = 58
    Height = 15
    Caption = 'Resistor'
  end
  object Image25: TImage
    Left = 432
    Top = 144
    Width = 272
    Height = 224
    Picture = 'circ_embedded_additive'
    Stretch = True
    Proportional = True
  end
  object Image26: TImage
    Left = 432
    Top = 144
    Width = 272
    Height = 224
    Picture = 'circ_embedded_subtractive'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image27: TImage
    Left = 432
    Top = 144
    Width = 272
    Height = 224
    Picture = 'circ_embedded_annular'
    Stretch = True
    Proportional = True
    Visible = False
  end
end
